#pragma once

#include <optional>
#include <string>

namespace zindra {

// Why a bar code cannot be drawn in `face`: no installed font answers to
// exactly that family, so the font matcher would hand back some other font and
// the bars would come out as plain text. Nothing when the face is there.
std::optional<std::string> MissingFace(const std::string& face);

} // namespace zindra
