// File-name rules of the dialogs: filter patterns, start directory, proposals, extensions.
#include "file_choice.h"

namespace Zenta2D {

using ZTools::FileName;
using ZTools::String;

namespace {

bool EndsWithSeparator(const String& path) {
    const int n = path.Len();
    return n > 0 && (path[n - 1] == '/' || path[n - 1] == '\\');
}

}  // namespace

String FilePatterns(const StringList& extensions, const StringList& type_names) {
    String patterns;
    for (int i = 0; i < extensions.Len(); ++i) {
        const String& ext = extensions[i];
        const String& type = i < type_names.Len() ? type_names[i] : ext;
        // Built by appending, so names of any length fit.
        patterns += type;
        patterns += " Files (*.";
        patterns += ext;
        patterns += ",*.";
        patterns += ext.Upper();
        patterns += ")\n";
    }
    patterns += "All Files (*)";
    return patterns;
}

FileName JoinPath(const FileName& path, const String& name) {
    FileName joined = path;
    if (joined.Len() > 0 && !EndsWithSeparator(joined)) joined += "/";
    joined += name;
    return joined;
}

FileName OpenStartPath(const FileName& fn, const FileName& def_path) {
    const FileName directory = fn.Len() == 0 ? def_path : fn.Directory();
    if (directory.Len() == 0 || EndsWithSeparator(directory)) return directory;
    return JoinPath(directory, "");
}

FileName SaveProposal(const FileName& fn, const FileName& def_path, const StringList& extensions) {
    if (fn.Len() == 0) {
        String untitled("Untitled");
        if (extensions.Len() > 0) {
            untitled += ".";
            untitled += extensions[0];
        }
        return JoinPath(def_path, untitled);
    }
    // The same rules hold whether or not the given name carries an extension.
    if (fn.Directory().Len() > 0) return fn;
    return JoinPath(def_path, fn);
}

FileName WithDefaultExtension(const FileName& chosen, const StringList& extensions) {
    if (chosen.Extension().Len() > 0 || extensions.Len() == 0) return chosen;
    FileName named = chosen;
    named += ".";
    named += extensions[0];
    return named;
}

}  // namespace Zenta2D
