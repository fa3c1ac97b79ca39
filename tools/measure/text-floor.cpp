// SPDX-License-Identifier: GPL-3.0-or-later
// The text floor: a Qt window of the game's size showing its four fonts, at
// their sizes, in plain labels. The game's start-up is measured against it,
// since no window that shows those fonts can start in less.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "form/Fonts.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("text floor"));
    auto* column = new QVBoxLayout(&window);
    const struct {
        const char* family;
        qreal points;
        bool bold;
    } fonts[] = { { quadlo::kTitleFamily, 48, false }, { quadlo::kHeadlineFamily, 18, false },
        { quadlo::kScoreFamily, 27.75, false }, { quadlo::kOptionFamily, 12, true } };
    for (const auto& font : fonts) {
        auto* label = new QLabel(QStringLiteral("Quadlo! 2.0 Human 0"), &window);
        label->setFont(quadlo::layoutFont(font.family, font.points, font.bold));
        column->addWidget(label);
    }
    window.resize(305, 549);
    window.show();
    return QApplication::exec();
}
