#include "output/qt/InstalledFace.h"

#include <QFont>
#include <QFontInfo>
#include <QString>

namespace zindra {

std::optional<std::string> MissingFace(const std::string& face) {
    QFont font(QString::fromStdString(face));
    font.setStyleStrategy(QFont::NoFontMerging);
    if (QFontInfo(font).family() == font.family()) return std::nullopt;
    return "the face \"" + face + "\" is not installed";
}

} // namespace zindra
