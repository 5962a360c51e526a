// The picture writer's registration, and the removal of stale outputs.
#include "cli/pictures.h"

#include <algorithm>
#include <memory>

#include "common/platform/paths.h"

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

void removeStaleOutputs(const std::filesystem::path& folder,
                        const std::vector<std::string>& candidates,
                        const std::vector<std::string>& kept, common::Ui& ui) {
    for (const auto& name : candidates) {
        if (std::find(kept.begin(), kept.end(), name) != kept.end()) continue;
        std::error_code ec;
        const auto path = folder / platform::pathFromUtf8(name);
        if (!std::filesystem::is_regular_file(path, ec) || std::filesystem::remove(path, ec))
            continue;
        ui.message(common::Icon::Exclamation, "出力",
                   "前回の出力を削除できませんでした。今回の出力ではありません。\r\n" +
                       platform::pathToUtf8(path) + "\r\n(" + ec.message() + ")");
    }
}

}  // namespace cli
