#pragma once
// Where a file that is replaced by rename really lives, and the temporary
// files written beside it.
//  - A symbolic link is followed to the file it names: the new text goes to
//    that file's folder and the link stays a link.
//  - A file without write permission is not replaced (a rename would
//    otherwise ignore the protection).
//  - The temporary is "<name>.n3tmp-XXXXXX" in the same folder; a name too
//    long for that is shortened first ("<first bytes>~.n3tmp-XXXXXX").
//  - A temporary is locked (flock) by the program writing it for as long as
//    it exists. Temporaries left by a write that was killed hold no lock and
//    are removed the next time the same file is written; a temporary locked
//    by a live program is never touched.
#include <string>

namespace n3 {

struct ReplaceTarget {
    std::string path;   // the file to replace, links followed
    std::string error;  // why it must not be replaced; empty when it may
};

ReplaceTarget ResolveReplaceTarget(const std::string& path);

// The mkstemp pattern of a temporary beside `target` (ends in "XXXXXX").
std::string TemporaryPattern(const std::string& target);

// Creates a new temporary beside `target` and locks it; the returned
// descriptor holds the lock (keep it, or a dup of it, open until the
// temporary is renamed or removed). -1 with errno set on failure; `name`
// receives the temporary's path.
int CreateLockedTemporary(const std::string& target, std::string& name);

// Removes stale regular files beside `target` whose names match its
// temporary pattern (and their "-journal" files): those no live program
// holds locked. Never removes `target` itself.
void RemoveStaleTemporaries(const std::string& target);

// The same for the files of another naming beside `target`: `prefix` +
// six letters or digits + `suffix` (e.g. "report.pdf." … ".part.pdf").
void RemoveStaleFiles(const std::string& folder, const std::string& prefix, const std::string& suffix);

// Makes a finished rename in the folder of `target` durable.
void SyncFolderOf(const std::string& target);

}  // namespace n3
