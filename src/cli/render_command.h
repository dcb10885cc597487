#pragma once
// corvane-cli render: a board of a project drawn into a PNG or BMP picture.

namespace corvane {

// Runs `corvane-cli render FILE.lay -o OUT.(png|bmp) [--board N] [--dpi D]
// [--photo 1|2] [--xray] [--no-silk] [--lang N]` with the whole command line
// (argv[1] is "render"). Makes its own application object, as drawing needs
// fonts. Returns the exit status: 0 written, 1 an error (message on stderr),
// 2 a usage error.
int RenderMain(int argc, char** argv);

}  // namespace corvane
