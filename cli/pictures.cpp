// The picture writer's registration, and the removal of stale outputs.
#include "cli/pictures.h"

#include <algorithm>
#include <memory>

namespace cli {
namespace {

std::unique_ptr<PictureWriter>& registered() {
    static std::unique_ptr<PictureWriter> writer;
    return writer;
}

}  // namespace

const PictureWriter* pictureWriter() { return registered().get(); }

RegisterPictureWriter::RegisterPictureWriter(PictureWriter writer) {
    registered() = std::make_unique<PictureWriter>(std::move(writer));
}

common::WriteResult writePicture(const zumenko::Figure& figure, const std::filesystem::path& path) {
    const PictureWriter* w = pictureWriter();
    if (!w) return {false, "この gesui は画像を描けません（Qt なしの版）"};
    return (*w)(figure, path);
}

std::vector<std::string> removeStaleOutputs(const std::filesystem::path& folder,
                                            const std::vector<std::string>& candidates,
                                            const std::vector<std::string>& kept) {
    std::vector<std::string> removed;
    for (const auto& name : candidates) {
        if (std::find(kept.begin(), kept.end(), name) != kept.end()) continue;
        std::error_code ec;
        const auto path = folder / name;
        if (std::filesystem::is_regular_file(path, ec) && std::filesystem::remove(path, ec))
            removed.push_back(name);
    }
    return removed;
}

}  // namespace cli
