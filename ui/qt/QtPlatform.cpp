#include "ui/qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

namespace zindra {

void QtPlatform::Beep() {
    QApplication::beep();
}

void QtPlatform::AddWindow(const std::string& windowClass, QDialog* window) {
    windows_[windowClass] = window;
}

void QtPlatform::PrepareModal() {
    if (BeforeModal) BeforeModal();
}

int QtPlatform::ShowModal(std::string_view windowClass) {
    const auto found = windows_.find(windowClass);
    if (found == windows_.end() || !found->second) return QDialog::Rejected;
    PrepareModal();
    return found->second->exec();
}

void QtPlatform::OpenDocument(const std::string& location) {
    const QString text = QString::fromStdString(location);
    const QUrl url = text.contains(QStringLiteral("://")) ? QUrl(text) : QUrl::fromLocalFile(text);
    QDesktopServices::openUrl(url);
}

void QtPlatform::MessageBox(std::u16string_view text, std::optional<WindowOffset> at) {
    PrepareModal();
    QMessageBox box(at ? QMessageBox::Warning : QMessageBox::Critical,
                    QApplication::applicationDisplayName(),
                    QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, mainWindow_);
    if (at && mainWindow_) box.move(mainWindow_->pos() + QPoint(at->Right, at->Down));
    box.exec();
}

} // namespace zindra
