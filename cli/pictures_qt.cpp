// The Qt picture writer of gesui: PNG, SVG and PDF of the drawing model.
#include "cli/pictures.h"
#include "zumenko/preview/render.h"

namespace {

const cli::RegisterPictureWriter registration([](const zumenko::Figure& figure,
                                                 const std::filesystem::path& path) {
    zumenko::preview::ensureGuiApplication();
    return zumenko::preview::writePicture(figure, path);
});

}  // namespace
