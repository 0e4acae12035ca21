// A file that appears whole or not at all: written under a temporary name in
// the same directory and renamed over the target when complete. A failure,
// or a signal that ends the program, removes the temporary file and leaves
// any file that was there before untouched.
#pragma once

#include <cstdio>
#include <string>

struct AtomicFile {
    std::string strPath;
    std::string strTempPath;
    std::FILE* pFile = nullptr;
};

// Creates the temporary file. On failure returns false with the reason in
// strError, and nothing is left behind.
bool bOpenAtomic(const std::string& strPath, AtomicFile& sFile, std::string& strError);

// Flushes, closes and renames. On failure removes the temporary file and
// returns false with the reason in strError.
bool bCommitAtomic(AtomicFile& sFile, std::string& strError);

// Closes and removes the temporary file.
void vDiscardAtomic(AtomicFile& sFile);
