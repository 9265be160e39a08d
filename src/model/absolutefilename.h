#pragma once

#include <QString>

namespace zef {

// The form in which the designer keeps a file name (the document's file, the
// last file, recent files, the recovery record): absolute, with "." and ".."
// removed and symbolic links resolved, so that the name means the same file
// whatever the working folder is later. A file that does not exist yet keeps
// its own name in its folder's canonical form. Empty stays empty.
QString absoluteFileName(const QString& name);

} // namespace zef
