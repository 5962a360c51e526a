// Where the manual lies.
#include "kandoru/shell/manual.h"

#include <QDir>

#include "common/gui/qt_ui.h"

namespace kandoru::shell {

QString manualFile() {
    return QDir(gui::programFolder()).filePath(QStringLiteral("manual/index.html"));
}

QUrl manualUrl() { return QUrl::fromLocalFile(manualFile()); }

}  // namespace kandoru::shell
