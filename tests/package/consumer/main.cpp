// A host built against the installed package: the calling order a client uses, through the umbrella header.

#include <ZCorvaneBase/zcorvanebase.h>

#include <QApplication>
#include <cstdio>

class HostWorker : public ZCORVANEDLL::CorvaneDllBaseWorker
{
public:
    int getClientType() override { return 0; }
    ZCORVANEDLL::ClientLanguage getClientLanguage() override { return ZCORVANEDLL::ClientLanguageZhCN; }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ZCORVANEBASE::CorvaneBaseInit::_instance().worker = new HostWorker;
    ZCORVANEBASE::CorvaneBaseInit::_instance().moduleInit();
    ZCORVANEBASE::ZPushButton button;
    ZCORVANEBASE::ZLabel label;
    label.setText(ZCORVANEBASE::DictDef::_instance().msgError);
    if (label.text() != QStringLiteral("错误")) {
        std::fprintf(stderr, "unexpected dictionary text: %s\n", qPrintable(label.text()));
        return 1;
    }
    std::printf("consumer ok: %s\n", qPrintable(ZCORVANEBASE::logPrefix));
    return 0;
}
