#pragma once

#include <QByteArray>

class QString;

// The folders the program keeps for a while among the projects under hidden
// names of its own: an import's (".vidorna-import-" and six letters or
// digits) while it unpacks, and a removal's (".vidorna-removal-" and six)
// while what it removes goes. The projects browser lists neither, so that
// it never shows a project that is only half there. The program holds
// (flock) each such folder while it works in it; one that nobody holds was
// left by an import killed before its end or by a removal that could not
// take everything, and the next import, removal or start clears it.
// Hidden folders of other names (".git" and the like) are never touched.
class HiddenFolder
{
public:
    enum class Kind { Import, Removal };

    // A new folder of the kind in the folder parent (a descriptor), held:
    // its descriptor, its name in *name; -1, with errno telling why, when
    // none could be made.
    static int make(int parent, Kind kind, QByteArray* name);

    // Moves the folder name in the folder parent (a descriptor) aside to a
    // removal's name and removes it there with all it holds, so that the
    // name never shows a part of it. True when nothing is left; what cannot
    // go stays under the hidden name. A link or a file at the name goes as
    // itself, and a missing name counts as gone.
    static bool remove(int parent, const QByteArray& name);
    // As remove(), for the folder at path, after clearing what earlier
    // removals and imports left beside it.
    static bool remove(const QString& path);

    // Removes the folder open at the descriptor folder, named name in the
    // folder parent: emptied through the descriptor, wherever another
    // process moved it, and only an empty folder goes from the name.
    static bool removeOpen(int folder, int parent, const QByteArray& name);

    // Whether name is that of such a folder, of either kind.
    static bool isHiddenName(const QString& name);

    // Removes the folders of either kind in the folder parent (a
    // descriptor) that no live program holds.
    static void clearLeftovers(int parent);
    // As clearLeftovers(), in the folder at path.
    static void clearLeftovers(const QString& path);
};
