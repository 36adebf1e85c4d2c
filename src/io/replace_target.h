#pragma once
// Where a file that is replaced by rename really lives, and the temporary
// files written beside it.
//  - A symbolic link is followed to the file it names: the new text goes to
//    that file's folder and the link stays a link.
//  - A file without write permission is not replaced (a rename would
//    otherwise ignore the protection).
//  - The temporary is "<name>.n3tmp-XXXXXX" in the same folder; a name too
//    long for that is shortened first ("<first bytes>~.n3tmp-XXXXXX").
//  - Temporaries left by a write that was killed are removed the next time
//    the same file is written.
#include <string>

namespace n3 {

struct ReplaceTarget {
    std::string path;   // the file to replace, links followed
    std::string error;  // why it must not be replaced; empty when it may
};

ReplaceTarget ResolveReplaceTarget(const std::string& path);

// The mkstemp pattern of a temporary beside `target` (ends in "XXXXXX").
std::string TemporaryPattern(const std::string& target);

// Removes regular files beside `target` whose names match its temporary
// pattern (and their "-journal" files). Never removes `target` itself.
void RemoveStaleTemporaries(const std::string& target);

// Makes a finished rename in the folder of `target` durable.
void SyncFolderOf(const std::string& target);

}  // namespace n3
