// The file-name rules of the open and save dialogs, kept apart from the toolkit.
#pragma once

#include "FileName.h"
#include "List.h"
#include "String.h"

namespace Zenta2D {

using StringList = ZTools::List<ZTools::String>;

// The dialogs' filter text: one "<type> Files (*.<ext>,*.<EXT>)" line per extension, in order,
// then "All Files (*)". A missing type name is replaced by the extension itself.
ZTools::String FilePatterns(const StringList& extensions, const StringList& type_names);

// Where the open dialog starts: def_path when fn is empty, else fn's directory (empty when fn
// has none, which lets the dialog choose). The toolkit takes a start path as a file name, so a
// directory is passed with a trailing separator to be listed itself rather than its parent.
ZTools::FileName OpenStartPath(const ZTools::FileName& fn, const ZTools::FileName& def_path);

// The name the save dialog proposes: def_path/Untitled.<first extension> when fn is empty,
// fn itself when it has a directory part, else def_path/fn.
ZTools::FileName SaveProposal(const ZTools::FileName& fn, const ZTools::FileName& def_path,
                              const StringList& extensions);

// The chosen name, with "." and the first extension appended when it has no extension.
ZTools::FileName WithDefaultExtension(const ZTools::FileName& chosen, const StringList& extensions);

// path and name joined by exactly one separator.
ZTools::FileName JoinPath(const ZTools::FileName& path, const ZTools::String& name);

}  // namespace Zenta2D
