// The temporary file's name is kept in a fixed buffer too, so that a signal
// handler can remove it with nothing but unlink.
#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

namespace {

char acPendingTemp[4096];

void vRemovePendingAndDie(int iSignal) {
    if (acPendingTemp[0] != '\0') {
        unlink(acPendingTemp);
    }
    std::signal(iSignal, SIG_DFL);
    std::raise(iSignal);
}

// A signal ignored when the program started (as nohup and background jobs
// ignore some) stays ignored.
void vCatchEndingSignals() {
    for (int iSignal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        if (std::signal(iSignal, vRemovePendingAndDie) == SIG_IGN) {
            std::signal(iSignal, SIG_IGN);
        }
    }
}

// The target's directory and a hidden name in it for the temporary file.
std::string strTempTemplate(const std::string& strPath) {
    const std::size_t iSlash = strPath.rfind('/');
    const std::string strDirectory =
        iSlash == std::string::npos ? "" : strPath.substr(0, iSlash + 1);
    const std::string strName = iSlash == std::string::npos ? strPath : strPath.substr(iSlash + 1);
    return strDirectory + "." + strName + ".XXXXXX";
}

// The new file gets the mode of the file it replaces, or else the mode a
// newly created file would get.
mode_t iTargetMode(const std::string& strPath) {
    struct stat sStat {};
    if (stat(strPath.c_str(), &sStat) == 0) {
        return sStat.st_mode & 07777;
    }
    const mode_t iMask = umask(0);
    umask(iMask);
    return 0666 & ~iMask;
}

// What would stop the rename at the end, found before any work is done.
bool bTargetUsable(const std::string& strPath, std::string& strError) {
    struct stat sStat {};
    if (stat(strPath.c_str(), &sStat) != 0) {
        return true;
    }
    if (S_ISDIR(sStat.st_mode)) {
        strError = "is a directory";
        return false;
    }
    if (access(strPath.c_str(), W_OK) != 0) {
        strError = std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

bool bOpenAtomic(const std::string& strPath, AtomicFile& sFile, std::string& strError) {
    if (!bTargetUsable(strPath, strError)) {
        return false;
    }
    std::string strTemplate = strTempTemplate(strPath);
    if (strTemplate.size() >= sizeof acPendingTemp) {
        strError = std::strerror(ENAMETOOLONG);
        return false;
    }
    std::vector<char> acName(strTemplate.begin(), strTemplate.end());
    acName.push_back('\0');
    vCatchEndingSignals();
    const int iDescriptor = mkstemp(acName.data());
    if (iDescriptor < 0) {
        strError = std::strerror(errno);
        return false;
    }
    std::memcpy(acPendingTemp, acName.data(), acName.size());
    sFile.strPath = strPath;
    sFile.strTempPath = acName.data();
    fchmod(iDescriptor, iTargetMode(strPath));
    sFile.pFile = fdopen(iDescriptor, "wb");
    if (sFile.pFile == nullptr) {
        strError = std::strerror(errno);
        close(iDescriptor);
        vDiscardAtomic(sFile);
        return false;
    }
    // A mesh file runs to tens of megabytes: written a megabyte at a time,
    // not in the default few kilobytes.
    std::setvbuf(sFile.pFile, nullptr, _IOFBF, std::size_t(1) << 20);
    return true;
}

bool bCommitAtomic(AtomicFile& sFile, std::string& strError) {
    const bool bWritten = std::fflush(sFile.pFile) == 0 && std::ferror(sFile.pFile) == 0;
    const int iWriteError = errno;
    const bool bClosed = std::fclose(sFile.pFile) == 0;
    sFile.pFile = nullptr;
    if (!bWritten || !bClosed) {
        strError = std::strerror(bWritten ? errno : iWriteError);
        vDiscardAtomic(sFile);
        return false;
    }
    if (std::rename(sFile.strTempPath.c_str(), sFile.strPath.c_str()) != 0) {
        strError = std::strerror(errno);
        vDiscardAtomic(sFile);
        return false;
    }
    acPendingTemp[0] = '\0';
    return true;
}

void vDiscardAtomic(AtomicFile& sFile) {
    if (sFile.pFile != nullptr) {
        std::fclose(sFile.pFile);
        sFile.pFile = nullptr;
    }
    unlink(sFile.strTempPath.c_str());
    acPendingTemp[0] = '\0';
}
