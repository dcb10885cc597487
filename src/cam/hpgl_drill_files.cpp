#include "cam/hpgl_drill_files.h"

#include "cam/drill_list.h"
#include "cam/origin_shift.h"
#include "core/element_ops.h"
#include "core/units.h"
#include "geom/element_bounds.h"

namespace corvane {

namespace {

THpglProgram NewProgram(const TPlatine& board, const TIntRect& bounds,
                        const THpglOutputOptions& options) {
  return THpglProgram(board.Kopf.Hoehe, options.Factor, options.Spiegeln, bounds);
}

void DrillMarks(THpglProgram& program, const std::vector<const TObjekt*>& pads) {
  for (const TObjekt* pad : pads) program.DrillMark(pad->X, pad->Y);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string HpglAllDrillsName(int language) {
  switch (language) {
    case 0: return "BOHRUNG.PLT";
    case 2: return "PERCAGES.PLT";
    default: return "DRILLING.PLT";
  }
}

std::string HpglDiameterDrillName(int language, int32_t diameter) {
  const char* prefix = language == 0 ? "BOHR_" : language == 2 ? "PERC_" : "DRIL_";
  return prefix + std::to_string(diameter) + ".PLT";
}

std::string HpglMillingDrillName(int language) {
  return language == 0 ? "BOHR_FRS.PLT" : "DRIL_MIL.PLT";
}

std::vector<std::string> IsolationLines(const TPlatine& board, const std::vector<TOutline>& outlines,
                                        const std::vector<const TObjekt*>& texts, int layer,
                                        const TIntRect& bounds, const THpglOutputOptions& options) {
  THpglProgram program = NewProgram(board, bounds, options);
  program.Start();
  program.ReferenceMarks(options.Referenz);
  // The outlines are mirrored already: converted only.
  for (const TOutline& outline : outlines) {
    if (outline.empty()) continue;
    const int32_t h = board.Kopf.Hoehe;
    program.MoveToPlotter(ToPlotter(outline[0].x, outline[0].y, h, options.Factor));
    program.PenDown();
    for (std::size_t i = 1; i < outline.size(); ++i)
      program.MoveToPlotter(ToPlotter(outline[i].x, outline[i].y, h, options.Factor));
    program.MoveToPlotter(ToPlotter(outline[0].x, outline[0].y, h, options.Factor));
    program.PenUp();
  }
  for (const TObjekt* text : texts) {
    if (text->Typ != otText || text->Layer != layer) continue;
    for (const TObjekt& stroke : text->Striche) {
      if (stroke.Punkte.size() < 2) continue;
      program.MoveTo(stroke.Punkte[0].x, stroke.Punkte[0].y);
      program.PenDown();
      for (std::size_t i = 1; i < stroke.Punkte.size(); ++i)
        program.MoveTo(stroke.Punkte[i].x, stroke.Punkte[i].y);
      program.PenUp();
    }
  }
  if (options.PilotHoles)
    for (const TObjekt* pad : DrillPath(board.Elemente, std::nullopt, board.Kopf.Hoehe))
      if (OnLayer(*pad, layer)) program.DrillMark(pad->X, pad->Y);
  return program.Lines();
}

std::vector<THpglDrillFile> HpglDrillFiles(const TPlatine& board, const TIntRect& bounds,
                                           const THpglOutputOptions& options, int language) {
  std::vector<THpglDrillFile> files;
  const ElementList& list = board.Elemente;
  const int32_t h = board.Kopf.Hoehe;
  switch (options.Drill.Output) {
    case THpglDrillOutput::None:
      break;
    case THpglDrillOutput::OneFile: {
      THpglProgram program = NewProgram(board, bounds, options);
      program.Start();
      program.ReferenceMarks(options.Referenz);
      if (options.Drill.OwnLayers) {
        const std::vector<int32_t> diameters = DrillDiameters(list);
        for (std::size_t k = 0; k < diameters.size(); ++k) {
          program.Pen(static_cast<int>(k) + 2);
          DrillMarks(program, DrillPath(list, diameters[k], h));
        }
      } else {
        DrillMarks(program, DrillPath(list, std::nullopt, h));
      }
      files.push_back({HpglAllDrillsName(language), program.Lines()});
      break;
    }
    case THpglDrillOutput::FilePerDiameter:
      for (int32_t d : DrillDiameters(list)) {
        THpglProgram program = NewProgram(board, bounds, options);
        program.Start();
        program.ReferenceMarks(options.Referenz);
        DrillMarks(program, DrillPath(list, d, h));
        files.push_back({HpglDiameterDrillName(language, d), program.Lines()});
      }
      break;
    case THpglDrillOutput::Milling: {
      THpglProgram program = NewProgram(board, bounds, options);
      program.Start(options.Drill.SecondLayer);
      program.ReferenceMarks(options.Referenz);
      const int32_t halfTool = Rnd(options.Drill.MillingWidthMm * 100.0 / 2.0);
      for (const TObjekt* pad : DrillPath(list, std::nullopt, h)) {
        program.MoveTo(pad->X, pad->Y);
        program.PenDown();
        const int32_t c = ToPlotterLength(Rnd(static_cast<double>(pad->Mass2) - halfTool), options.Factor);
        if (c > 0)
          program.Circle(c);
        else
          program.MoveTo(pad->X, pad->Y);  // narrower than the tool: a plunge
        program.PenUp();
      }
      files.push_back({HpglMillingDrillName(language), program.Lines()});
      break;
    }
  }
  return files;
}

TCamResult WriteIsolationFile(TPlatine& board, const std::vector<TOutline>& outlines,
                              const std::vector<const TObjekt*>& texts, int layer,
                              const THpglOutputOptions& options, bool useOrigin, int language,
                              const std::string& path) {
  std::vector<std::string> lines;
  std::vector<THpglDrillFile> drillFiles;
  {
    TOriginShift shift(board, useOrigin);
    TIntRect bounds;
    if (auto b = ListBounds(board.Elemente, board.Kopf.LayerState())) bounds = *b;
    lines = IsolationLines(board, outlines, texts, layer, bounds, options);
    drillFiles = HpglDrillFiles(board, bounds, options, language);
  }
  if (TCamResult r = WriteHpglFile(path, lines); !r.Ok) return r;
  const std::string folder = FolderOf(path);
  for (const THpglDrillFile& f : drillFiles)
    if (TCamResult r = WriteHpglFile(folder + f.Name, f.Lines); !r.Ok) return r;
  return TCamResult::Success();
}

}  // namespace corvane
