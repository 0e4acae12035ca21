// window_probe: what the real-window tests need from the X server that the
// stock X tools do not give: frames counted as they reach the window, pixels
// read straight from it, the GLX attributes of its visual, and a close request
// sent as a window manager sends it.
//
//   window_probe frames WINDOW COUNT SECONDS   waits for COUNT new frames
//   window_probe shot WINDOW FILE [FRAMES [SECONDS]]
//                                              saves the window as a PPM after
//                                              FRAMES new frames (default 1)
//   window_probe stats FILE                    counts the pixels by class
//   window_probe visual WINDOW                 prints the visual's GLX attributes
//   window_probe close WINDOW                  sends WM_DELETE_WINDOW
//
// A frame is counted when the window's contents are drawn to (a DAMAGE
// notification); every buffer swap of the viewer draws the whole window.
// Exit status: 0 done, 1 failure, 2 usage, 3 deadline passed.
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <sys/select.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
const double fDefaultFrameSeconds = 120.0;

struct Picture {
    int iWidth = 0;
    int iHeight = 0;
    std::vector<std::uint8_t> aiRgb;
};

int iFail(const char* szMessage) {
    std::fprintf(stderr, "window_probe: %s\n", szMessage);
    return 1;
}

Display* pOpenDisplay() {
    Display* pDisplay = XOpenDisplay(nullptr);
    if (pDisplay == nullptr) {
        std::fprintf(stderr, "window_probe: cannot open display '%s'\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        std::exit(1);
    }
    return pDisplay;
}

// An X error (such as a window that is gone) ends the probe with a message
// instead of Xlib's abort.
int iOnXError(Display* pDisplay, XErrorEvent* pError) {
    char szText[256];
    XGetErrorText(pDisplay, pError->error_code, szText, sizeof szText);
    std::fprintf(stderr, "window_probe: X error: %s (request %d)\n", szText, pError->request_code);
    std::exit(1);
}

Window iParseWindow(const char* szText) {
    return Window(std::strtoul(szText, nullptr, 0));
}

// Counts DAMAGE notifications on the window until iCount have come or the
// deadline passes. Each notification is acknowledged at once, so the next
// one means new drawing.
bool bWaitFrames(Display* pDisplay, Damage iDamage, int iEventBase, int iCount, double fSeconds) {
    const auto tDeadline =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(fSeconds);
    int iSeen = 0;
    while (iSeen < iCount) {
        while (XPending(pDisplay) > 0 && iSeen < iCount) {
            XEvent sEvent;
            XNextEvent(pDisplay, &sEvent);
            if (sEvent.type == iEventBase + XDamageNotify) {
                XDamageSubtract(pDisplay, iDamage, None, None);
                ++iSeen;
            }
        }
        if (iSeen >= iCount) {
            break;
        }
        const auto tLeft = tDeadline - std::chrono::steady_clock::now();
        if (tLeft <= std::chrono::steady_clock::duration::zero()) {
            return false;
        }
        const auto iMicro = std::chrono::duration_cast<std::chrono::microseconds>(tLeft).count();
        timeval sTimeout{long(iMicro / 1000000), long(iMicro % 1000000)};
        fd_set sRead;
        FD_ZERO(&sRead);
        FD_SET(ConnectionNumber(pDisplay), &sRead);
        select(ConnectionNumber(pDisplay) + 1, &sRead, nullptr, nullptr, &sTimeout);
    }
    return true;
}

Damage iWatchDamage(Display* pDisplay, Window iWindow, int* piEventBase) {
    int iErrorBase = 0;
    if (!XDamageQueryExtension(pDisplay, piEventBase, &iErrorBase)) {
        std::exit(iFail("the X server has no DAMAGE extension"));
    }
    Damage iDamage = XDamageCreate(pDisplay, iWindow, XDamageReportNonEmpty);
    XSync(pDisplay, False);
    return iDamage;
}

int iFrames(Window iWindow, int iCount, double fSeconds) {
    Display* pDisplay = pOpenDisplay();
    int iEventBase = 0;
    const Damage iDamage = iWatchDamage(pDisplay, iWindow, &iEventBase);
    const bool bDone = bWaitFrames(pDisplay, iDamage, iEventBase, iCount, fSeconds);
    XCloseDisplay(pDisplay);
    if (!bDone) {
        std::fprintf(stderr, "window_probe: fewer than %d frames within %g s\n", iCount, fSeconds);
        return 3;
    }
    return 0;
}

int iChannel(unsigned long iPixel, unsigned long iMask) {
    if (iMask == 0) {
        return 0;
    }
    int iShift = 0;
    while (((iMask >> iShift) & 1) == 0) {
        ++iShift;
    }
    const unsigned long iMax = iMask >> iShift;
    return int(((iPixel & iMask) >> iShift) * 255 / iMax);
}

Picture sGrab(Display* pDisplay, Window iWindow) {
    XWindowAttributes sAttributes;
    XGetWindowAttributes(pDisplay, iWindow, &sAttributes);
    XImage* pImage = XGetImage(pDisplay, iWindow, 0, 0, unsigned(sAttributes.width),
                               unsigned(sAttributes.height), AllPlanes, ZPixmap);
    if (pImage == nullptr) {
        std::exit(iFail("cannot read the window's pixels"));
    }
    Picture sPicture;
    sPicture.iWidth = sAttributes.width;
    sPicture.iHeight = sAttributes.height;
    sPicture.aiRgb.reserve(std::size_t(sPicture.iWidth) * std::size_t(sPicture.iHeight) * 3);
    for (int iY = 0; iY < sPicture.iHeight; ++iY) {
        for (int iX = 0; iX < sPicture.iWidth; ++iX) {
            const unsigned long iPixel = XGetPixel(pImage, iX, iY);
            sPicture.aiRgb.push_back(std::uint8_t(iChannel(iPixel, pImage->red_mask)));
            sPicture.aiRgb.push_back(std::uint8_t(iChannel(iPixel, pImage->green_mask)));
            sPicture.aiRgb.push_back(std::uint8_t(iChannel(iPixel, pImage->blue_mask)));
        }
    }
    XDestroyImage(pImage);
    return sPicture;
}

int iShot(Window iWindow, const char* szFile, int iFrameCount, double fSeconds) {
    Display* pDisplay = pOpenDisplay();
    int iEventBase = 0;
    const Damage iDamage = iWatchDamage(pDisplay, iWindow, &iEventBase);
    if (!bWaitFrames(pDisplay, iDamage, iEventBase, iFrameCount, fSeconds)) {
        std::fprintf(stderr, "window_probe: fewer than %d new frames within %g s\n", iFrameCount,
                     fSeconds);
        return 3;
    }
    // The server handles one request at a time, so the grab sees whole frames.
    const Picture sPicture = sGrab(pDisplay, iWindow);
    XCloseDisplay(pDisplay);

    FILE* pFile = std::fopen(szFile, "wb");
    if (pFile == nullptr) {
        return iFail("cannot write the picture");
    }
    std::fprintf(pFile, "P6\n%d %d\n255\n", sPicture.iWidth, sPicture.iHeight);
    std::fwrite(sPicture.aiRgb.data(), 1, sPicture.aiRgb.size(), pFile);
    return std::fclose(pFile) == 0 ? 0 : iFail("cannot write the picture");
}

bool bReadPicture(const char* szFile, Picture& sPicture) {
    FILE* pFile = std::fopen(szFile, "rb");
    if (pFile == nullptr) {
        return false;
    }
    int iMax = 0;
    const bool bHeader =
        std::fscanf(pFile, "P6 %d %d %d", &sPicture.iWidth, &sPicture.iHeight, &iMax) == 3 &&
        iMax == 255 && std::fgetc(pFile) != EOF;
    if (bHeader) {
        sPicture.aiRgb.resize(std::size_t(sPicture.iWidth) * std::size_t(sPicture.iHeight) * 3);
    }
    const bool bBody = bHeader && std::fread(sPicture.aiRgb.data(), 1, sPicture.aiRgb.size(),
                                             pFile) == sPicture.aiRgb.size();
    std::fclose(pFile);
    return bBody;
}

// The classes follow from the fixed lighting. Lit front faces are magenta:
// blue at least red (ambient blue 0.175 more), green only from the white
// highlight, which lifts all three alike. Lit back faces are green alone (no
// specular colour). So red above blue, or yellow and cyan mixes, come only
// from the per-vertex colours drawn with lighting off.
enum PixelClass { Black, White, Front, Back, Unlit, Other, ClassCount };

PixelClass eClassify(int iR, int iG, int iB) {
    if (iR == 0 && iG == 0 && iB == 0) {
        return Black;
    }
    if (iR == 255 && iG == 255 && iB == 255) {
        return White;
    }
    // Near the middle of a highlight the three channels approach white
    // together, blue and red saturating first.
    if (iB >= iR && iR >= iG && (iB - iG >= 24 || iG >= 200)) {
        return Front;
    }
    if (iG >= 24 && iR <= 2 && iB <= 2) {
        return Back;
    }
    const bool bRed = iR >= iG + 32 && iR >= iB + 32;
    const bool bYellow = iR >= iB + 32 && iG >= iB + 32;
    const bool bCyan = iG >= iR + 32 && iB >= iR + 32;
    if (bRed || bYellow || bCyan) {
        return Unlit;
    }
    return Other;
}

int iStats(const char* szFile) {
    Picture sPicture;
    if (!bReadPicture(szFile, sPicture)) {
        return iFail("cannot read the picture");
    }
    const int iW = sPicture.iWidth;
    const int iH = sPicture.iHeight;
    std::vector<PixelClass> aeClass(std::size_t(iW) * std::size_t(iH));
    long aiCount[ClassCount] = {};
    int iLeft = iW, iTop = iH, iRight = -1, iBottom = -1;
    for (int iY = 0; iY < iH; ++iY) {
        for (int iX = 0; iX < iW; ++iX) {
            const std::uint8_t* pRgb = &sPicture.aiRgb[(std::size_t(iY) * iW + iX) * 3];
            const PixelClass eClass = eClassify(pRgb[0], pRgb[1], pRgb[2]);
            aeClass[std::size_t(iY) * iW + iX] = eClass;
            ++aiCount[eClass];
            if (eClass == White) {
                iLeft = std::min(iLeft, iX);
                iRight = std::max(iRight, iX);
                iTop = std::min(iTop, iY);
                iBottom = std::max(iBottom, iY);
            }
        }
    }
    // Surface pixels whose four neighbours are surface too: many on a
    // filled surface, few on one drawn as lines.
    long iSurface = 0;
    long iInterior = 0;
    auto bSurface = [&](int iX, int iY) {
        const PixelClass eClass = aeClass[std::size_t(iY) * iW + iX];
        return eClass != Black && eClass != White;
    };
    for (int iY = 1; iY + 1 < iH; ++iY) {
        for (int iX = 1; iX + 1 < iW; ++iX) {
            if (bSurface(iX, iY)) {
                ++iSurface;
                iInterior += bSurface(iX - 1, iY) && bSurface(iX + 1, iY) && bSurface(iX, iY - 1) &&
                             bSurface(iX, iY + 1);
            }
        }
    }
    std::printf("size %d %d\n", iW, iH);
    std::printf("black %ld\nwhite %ld\nfront %ld\nback %ld\nunlit %ld\nother %ld\n", aiCount[Black],
                aiCount[White], aiCount[Front], aiCount[Back], aiCount[Unlit], aiCount[Other]);
    std::printf("surface %ld\ninterior %ld\n", iSurface, iInterior);
    const int iCornersBlack = (aeClass[0] == Black) + (aeClass[std::size_t(iW) - 1] == Black) +
                              (aeClass[std::size_t(iH - 1) * iW] == Black) +
                              (aeClass[std::size_t(iH) * iW - 1] == Black);
    std::printf("corners_black %d\n", iCornersBlack);
    if (iRight >= 0) {
        std::printf("white_box %d %d %d %d\n", iLeft, iTop, iRight, iBottom);
    } else {
        std::printf("white_box none\n");
    }
    return 0;
}

int iVisual(Window iWindow) {
    Display* pDisplay = pOpenDisplay();
    XWindowAttributes sAttributes;
    XGetWindowAttributes(pDisplay, iWindow, &sAttributes);
    XVisualInfo sTemplate;
    sTemplate.visualid = XVisualIDFromVisual(sAttributes.visual);
    int iMatches = 0;
    XVisualInfo* pInfo = XGetVisualInfo(pDisplay, VisualIDMask, &sTemplate, &iMatches);
    if (pInfo == nullptr || iMatches != 1) {
        return iFail("cannot look up the window's visual");
    }
    struct Attribute {
        const char* szName;
        int iGlx;
    };
    const Attribute asAttributes[] = {
        {"use_gl", GLX_USE_GL},
        {"rgba", GLX_RGBA},
        {"double_buffer", GLX_DOUBLEBUFFER},
        {"red_size", GLX_RED_SIZE},
        {"green_size", GLX_GREEN_SIZE},
        {"blue_size", GLX_BLUE_SIZE},
        {"depth_size", GLX_DEPTH_SIZE},
    };
    std::printf("visual 0x%lx\nclass %d\n", pInfo->visualid, pInfo->c_class);
    for (const Attribute& sAttribute : asAttributes) {
        int iValue = 0;
        if (glXGetConfig(pDisplay, pInfo, sAttribute.iGlx, &iValue) != 0) {
            return iFail("glXGetConfig failed on the window's visual");
        }
        std::printf("%s %d\n", sAttribute.szName, iValue);
    }
    XFree(pInfo);
    XCloseDisplay(pDisplay);
    return 0;
}

// A window manager closes a window that takes part in WM_DELETE_WINDOW by
// sending it that protocol message; it never destroys the window itself.
int iClose(Window iWindow) {
    Display* pDisplay = pOpenDisplay();
    const Atom iProtocols = XInternAtom(pDisplay, "WM_PROTOCOLS", False);
    const Atom iDelete = XInternAtom(pDisplay, "WM_DELETE_WINDOW", False);
    Atom* piList = nullptr;
    int iCount = 0;
    bool bTakesPart = false;
    if (XGetWMProtocols(pDisplay, iWindow, &piList, &iCount)) {
        for (int i = 0; i < iCount; ++i) {
            bTakesPart = bTakesPart || piList[i] == iDelete;
        }
        XFree(piList);
    }
    if (!bTakesPart) {
        return iFail("the window does not list WM_DELETE_WINDOW in WM_PROTOCOLS");
    }
    XEvent sEvent{};
    sEvent.xclient.type = ClientMessage;
    sEvent.xclient.window = iWindow;
    sEvent.xclient.message_type = iProtocols;
    sEvent.xclient.format = 32;
    sEvent.xclient.data.l[0] = long(iDelete);
    sEvent.xclient.data.l[1] = CurrentTime;
    XSendEvent(pDisplay, iWindow, False, NoEventMask, &sEvent);
    XSync(pDisplay, False);
    XCloseDisplay(pDisplay);
    return 0;
}

int iUsage() {
    std::fprintf(
        stderr,
        "usage: window_probe frames WINDOW COUNT SECONDS | shot WINDOW FILE [FRAMES [SECONDS]]"
        " | stats FILE | visual WINDOW | close WINDOW\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    XSetErrorHandler(iOnXError);
    const std::string strCommand = argc > 1 ? argv[1] : "";
    if (strCommand == "frames" && argc == 5) {
        return iFrames(iParseWindow(argv[2]), std::atoi(argv[3]), std::atof(argv[4]));
    }
    if (strCommand == "shot" && argc >= 4 && argc <= 6) {
        return iShot(iParseWindow(argv[2]), argv[3], argc >= 5 ? std::atoi(argv[4]) : 1,
                     argc == 6 ? std::atof(argv[5]) : fDefaultFrameSeconds);
    }
    if (strCommand == "stats" && argc == 3) {
        return iStats(argv[2]);
    }
    if (strCommand == "visual" && argc == 3) {
        return iVisual(iParseWindow(argv[2]));
    }
    if (strCommand == "close" && argc == 3) {
        return iClose(iParseWindow(argv[2]));
    }
    return iUsage();
}
