// Qt's own texts in Japanese: the standard buttons and the file dialog's labels.
#include "common/gui/app_start.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

TEST(JapaneseTranslation, StandardButtonsAndFileDialogsSpeakJapanese) {
    ASSERT_TRUE(gui::loadJapaneseTranslation()) << "Qt's Japanese translation is not installed";
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    const std::pair<QMessageBox::StandardButton, const char*> buttons[] = {
        {QMessageBox::Yes, "はい"},
        {QMessageBox::No, "いいえ"},
        {QMessageBox::Cancel, "キャンセル"},
    };
    for (const auto& [which, text] : buttons)
        EXPECT_TRUE(box.button(which)->text().contains(QString::fromUtf8(text)))
            << box.button(which)->text().toStdString();

    QFileDialog dialog(nullptr, QStringLiteral("開く"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        const QString text = label->text();
        EXPECT_FALSE(text.contains(QLatin1String("Look in")) ||
                     text.contains(QLatin1String("name")) || text.contains(QLatin1String("type")))
            << name << ": " << text.toStdString();
    }
}
