// The About window.
#include "windows/AboutWindow.h"

#include "windows/ClickLabel.h"
#include "windows/JpegImage.h"
#include "windows/ProductLinks.h"
#include "windows/Resources.h"

#include "platform/ErrorGuard.h"
#include "platform/WindowStyle.h"

#include <QPixmap>

namespace {

// The picture is built into the program (data/about.jpg, made by scripts/make-about-picture).
QPixmap AboutPicture() {
    return QPixmap::fromImage(DecodeJpeg(ResourceBytes(QStringLiteral(":/about.jpg"))));
}

} // namespace

TAboutWindow::TAboutWindow(Shell& shell, QWidget* parent)
    : QDialog(parent), Label3(new QLabel(QStringLiteral("TOVIX v. 2.01"), this)),
      Label2(new ClickLabel(QStringLiteral("E-mail: ") + kProductContactAddress, this)),
      Label4(new ClickLabel(QStringLiteral("Web: ") + kProductWebAddress, this)),
      Image1(new QLabel(this)), FShell(shell) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("О програме"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetDialogBorder(*this, 683, 192);
    setWindowModality(Qt::ApplicationModal);
    setFont(WindowFont(QStringLiteral("MS Sans Serif"), 11));

    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(WindowFont(QStringLiteral("OCR A Extended"), 37, true));
    Label3->move(8, 8);
    Label3->adjustSize();

    const struct {
        ClickLabel* label;
        const char* name;
        int top;
        void (TAboutWindow::*handler)();
    } links[] = {{Label2, "Label2", 112, &TAboutWindow::Label2Click},
                 {Label4, "Label4", 152, &TAboutWindow::Label4Click}};
    for (const auto& link : links) {
        link.label->setObjectName(QLatin1String(link.name));
        link.label->setFont(WindowFont(QStringLiteral("MS Sans Serif"), 19, true));
        link.label->setCursor(Qt::PointingHandCursor);
        link.label->move(8, link.top);
        link.label->adjustSize();
        link.label->SetOnClick(Guarded([this, handler = link.handler] { (this->*handler)(); }));
    }

    Image1->setObjectName(QStringLiteral("Image1"));
    const QPixmap picture = AboutPicture();
    Image1->setPixmap(picture);
    Image1->setGeometry(384, 0, picture.width(), picture.height());

    MoveToDesktopCentre(*this);
}

void TAboutWindow::ShowModal() {
    exec();
}

void TAboutWindow::Label2Click() {
    WriteToProductContact(FShell);
}

void TAboutWindow::Label4Click() {
    OpenProductWebPage(FShell);
}
