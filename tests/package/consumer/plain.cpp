// Built with the compiler and pkg-config alone: no moc, only the library's classes.

#include <ZCorvaneBase/zcorvanebase.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ZCORVANEBASE::ZLabel label;
    label.setText(QStringLiteral("pkg-config"));
    return label.text() == QStringLiteral("pkg-config") && ZCORVANEBASE::speedLabels.size() == 9 ? 0 : 1;
}
