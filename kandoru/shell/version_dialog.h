// The version window: the application's title, "ﾊﾞｰｼﾞｮﾝ " with the build's version, a
// description and a caution about checking the conditions before use.
#pragma once

#include <QDialog>

namespace kandoru::shell {

// "ﾊﾞｰｼﾞｮﾝ 1.0.0": major, minor and revision of the build.
QString versionText();

class VersionDialog : public QDialog {
public:
    explicit VersionDialog(QWidget* parent);
};

}  // namespace kandoru::shell
