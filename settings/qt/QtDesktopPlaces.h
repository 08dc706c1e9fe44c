#pragma once

#include "product/ProductFolder.h"

namespace zindra {

// The documents folder as the desktop reports it (Qt follows the XDG user
// folders: XDG_DOCUMENTS_DIR in user-dirs.dirs, else ~/Documents) and the
// running program's file. Asked afresh on every call.
class QtDesktopPlaces : public DesktopPlaces {
  public:
    std::filesystem::path DocumentsFolder() const override;
    std::filesystem::path ProgramFile() const override;
};

} // namespace zindra
