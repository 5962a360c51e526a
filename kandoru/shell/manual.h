// The suite's own HTML manual, installed beside the program in manual/index.html.
#pragma once

#include <QString>
#include <QUrl>

namespace kandoru::shell {

QString manualFile();  // full path of manual/index.html beside the program
QUrl manualUrl();

}  // namespace kandoru::shell
