#include "product/ProductSeed.h"

#include "product/ProductFolder.h"

#include <unistd.h>

#include <string>

namespace zindra {
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> FilesIn(const std::vector<fs::path>& folders) {
    std::vector<fs::path> files;
    for (const fs::path& folder : folders) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec)) files.push_back(it->path());
    }
    return files;
}

// A copy under another name first, so an interrupted start leaves no
// half-written file under the real name; a second first start racing this
// one writes the same bytes.
void CopyIn(const fs::path& file, const fs::path& folder) {
    const fs::path target = folder / file.filename();
    std::error_code ec;
    if (fs::exists(target, ec)) return;
    const fs::path partial = target.string() + ".partial." + std::to_string(::getpid());
    if (fs::copy_file(file, partial, fs::copy_options::overwrite_existing, ec))
        fs::rename(partial, target, ec);
    if (ec) fs::remove(partial, ec);
}

} // namespace

std::vector<fs::path> InstalledProductFolders(const fs::path& programFile) {
    const fs::path prefix = programFile.parent_path().parent_path();
    return {prefix / ZINDRA_PRODUCT_INSTALL_DIR, prefix / ZINDRA_TEMPLATE_INSTALL_DIR};
}

bool SeedProductFolder(const fs::path& productFolder, const std::vector<fs::path>& installedFolders) {
    if (ProductFolderExists(productFolder)) return true;
    const std::vector<fs::path> files = FilesIn(installedFolders);
    if (files.empty()) return false;
    std::error_code ec;
    fs::create_directories(productFolder, ec);
    if (!ProductFolderExists(productFolder)) return false;
    for (const fs::path& file : files)
        CopyIn(file, productFolder);
    return true;
}

} // namespace zindra
