// Pictures of a drawing (PNG, PDF) need Qt. The file that draws them registers itself; a
// build without Qt has none, and the commands then write everything else and say so.
#pragma once

#include <filesystem>
#include <functional>

#include "common/textfile.h"
#include "common/ui.h"
#include "zumenko/figure.h"

namespace cli {

// The pictures gesui run writes beside the script.
inline constexpr const char* kProfilePng = "profile.png";
inline constexpr const char* kProfilePdf = "profile.pdf";

// Writes the picture the file name's extension asks for.
using PictureWriter =
    std::function<common::WriteResult(const zumenko::Figure&, const std::filesystem::path&)>;

// The registered writer; nullptr in a build without pictures.
const PictureWriter* pictureWriter();

struct RegisterPictureWriter {
    explicit RegisterPictureWriter(PictureWriter writer);
};

// Writes the picture, or says why it could not be drawn.
common::WriteResult writePicture(const zumenko::Figure& figure, const std::filesystem::path& path);

// Removes from folder each file named in candidates that is not in kept: the outputs of an
// earlier run that this run did not write. Each one that stays is an exclamation on ui,
// since it would pass for an output of this run.
void removeStaleOutputs(const std::filesystem::path& folder,
                        const std::vector<std::string>& candidates,
                        const std::vector<std::string>& kept, common::Ui& ui);

}  // namespace cli
