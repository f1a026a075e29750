// The yardstick for start-up: a bare Qt Widgets program with one 625 × 436 window,
// 43 check boxes and two labels in the same Song fonts, ended once it has painted.
// It takes nothing from Velmora but the font and the captions.

#include "catalogue/catalogue.h"
#include "qtext/core_text.h"
#include "quit_when_shown.h"
#include "sheet/song_font.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFont(velmora::sheet::songFont(9));
    window.setFixedSize(625, 436);
    int i = 0;
    for (const velmora::Material& m : velmora::kMaterials) {
        auto* box = new QCheckBox(velmora::toQString(m.designation), &window);
        box->setGeometry(8 + (i / 15) * 155, 8 + (i % 15) * 24, 152, 22);
        ++i;
    }
    auto* clock = new QLabel(QStringLiteral("2026/12/8 09:05:03"), &window);
    clock->setFont(velmora::sheet::songFont(10.5, true));
    clock->setGeometry(456, 80, 169, 17);
    auto* notice = new QLabel(QStringLiteral("本软件仅供焊接从业人员学习和参考使用。"), &window);
    notice->setWordWrap(true);
    notice->setGeometry(464, 136, 153, 89);
    new QuitWhenShown(&window);
    window.show();
    return QApplication::exec();
}
