#include "ui/qt/QtPlatform.h"

#include "ui/qt/ModelText.h"
#include "ui/qt/Placement.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include <utility>

namespace zindra {
namespace {

// The desktop's opener and what its exit statuses mean.
constexpr char Opener[] = "xdg-open";

QString WhyNotOpened(int exitStatus) {
    switch (exitStatus) {
    case 2:
        return QStringLiteral("the file does not exist.");
    case 3:
        return QStringLiteral("no application is set up to open it.");
    case 4:
        return QStringLiteral("the application that opens it failed.");
    default:
        return QStringLiteral("the desktop did not understand the request.");
    }
}

QString NotOpenedMessage(const QString& location, const QString& why) {
    return QStringLiteral("Could not open\n%1\nbecause %2").arg(location, why);
}

} // namespace

void QtPlatform::Beep() {
    QApplication::beep();
}

void QtPlatform::AddWindow(ProgramWindow which, WindowMaker make) {
    windows_[which] = {std::move(make), nullptr};
}

QDialog* QtPlatform::Window(ProgramWindow which) {
    const auto found = windows_.find(which);
    if (found == windows_.end()) return nullptr;
    Registered& window = found->second;
    if (!window.made) window.made = window.make();
    return window.made;
}

void QtPlatform::PrepareModal() {
    if (BeforeModal) BeforeModal();
}

int QtPlatform::ShowModal(ProgramWindow window) {
    QDialog* dialog = Window(window);
    if (!dialog) return QDialog::Rejected;
    PrepareModal();
    return dialog->exec();
}

// The opener runs on its own; when it ends badly (nothing registered for the
// document, a missing file) the user is told, after the fact, instead of
// nothing happening. It may also end only when the opened application does.
void QtPlatform::OpenDocument(const std::string& location) {
    const QString text = QString::fromStdString(location);
    auto* opener = new QProcess(qApp);
    opener->setProcessChannelMode(QProcess::ForwardedOutputChannel);
    QObject::connect(opener, &QProcess::finished, opener,
                     [this, opener, text](int exitStatus, QProcess::ExitStatus how) {
                         opener->deleteLater();
                         if (how == QProcess::NormalExit && exitStatus == 0) return;
                         Report(NotOpenedMessage(text, WhyNotOpened(exitStatus)));
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [this, opener, text](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         opener->deleteLater();
                         Report(NotOpenedMessage(
                             text, QStringLiteral("the desktop's opener (%1) could not be started.")
                                       .arg(QString::fromLatin1(Opener))));
                     });
    const bool address = text.contains(QStringLiteral("://"));
    opener->start(QString::fromLatin1(Opener),
                  {address ? text : QUrl::fromLocalFile(text).toString(QUrl::FullyEncoded)});
}

void QtPlatform::Report(const QString& text) {
    const std::u16string message = text.toStdU16String();
    MessageBox(message, MessageBoxOffset);
}

// Paths and data are shown as they are: a folder named <i>x</i> is not markup.
void QtPlatform::MessageBox(std::u16string_view text, std::optional<WindowOffset> at) {
    PrepareModal();
    QMessageBox box(at ? QMessageBox::Warning : QMessageBox::Critical,
                    QApplication::applicationName(), FromModel(text), QMessageBox::Ok, mainWindow_);
    box.setTextFormat(Qt::PlainText);
    if (at) PlaceBeside(&box, mainWindow_, *at);
    box.exec();
}

} // namespace zindra
