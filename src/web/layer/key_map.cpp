// Characters as typed, so a shifted letter arrives in upper case; the named
// keys GLUT knows as control characters or special keys.
#include "key_map.h"

#include <GL/glut.h>

#include <cstring>

namespace {
struct NamedKey {
    const char* szName;
    KeyKind eKind;
    int iCode;
    bool bPreventDefault;
};

// Tab and the function keys keep their browser actions (moving the focus,
// reloading, full screen, the developer tools) and still reach GLUT.
const NamedKey asNamedKey[] = {
    {"Enter", KeyKind::Character, 13, true},                   // 0
    {"Backspace", KeyKind::Character, 8, true},                // 1
    {"Tab", KeyKind::Character, 9, false},                     // 2
    {"Escape", KeyKind::Character, 27, true},                  // 3
    {"Delete", KeyKind::Character, 127, true},                 // 4
    {"ArrowLeft", KeyKind::Special, GLUT_KEY_LEFT, true},      // 5
    {"ArrowUp", KeyKind::Special, GLUT_KEY_UP, true},          // 6
    {"ArrowRight", KeyKind::Special, GLUT_KEY_RIGHT, true},    // 7
    {"ArrowDown", KeyKind::Special, GLUT_KEY_DOWN, true},      // 8
    {"PageUp", KeyKind::Special, GLUT_KEY_PAGE_UP, true},      // 9
    {"PageDown", KeyKind::Special, GLUT_KEY_PAGE_DOWN, true},  // 10
    {"Home", KeyKind::Special, GLUT_KEY_HOME, true},           // 11
    {"End", KeyKind::Special, GLUT_KEY_END, true},             // 12
    {"Insert", KeyKind::Special, GLUT_KEY_INSERT, true},       // 13
    {"F1", KeyKind::Special, GLUT_KEY_F1, false},              // 14
    {"F2", KeyKind::Special, GLUT_KEY_F2, false},              // 15
    {"F3", KeyKind::Special, GLUT_KEY_F3, false},              // 16
    {"F4", KeyKind::Special, GLUT_KEY_F4, false},              // 17
    {"F5", KeyKind::Special, GLUT_KEY_F5, false},              // 18
    {"F6", KeyKind::Special, GLUT_KEY_F6, false},              // 19
    {"F7", KeyKind::Special, GLUT_KEY_F7, false},              // 20
    {"F8", KeyKind::Special, GLUT_KEY_F8, false},              // 21
    {"F9", KeyKind::Special, GLUT_KEY_F9, false},              // 22
    {"F10", KeyKind::Special, GLUT_KEY_F10, false},            // 23
    {"F11", KeyKind::Special, GLUT_KEY_F11, false},            // 24
    {"F12", KeyKind::Special, GLUT_KEY_F12, false},            // 25
};
}  // namespace

// Only printable ASCII is taken as a character; other characters (and the
// browser's "Dead", "Shift" and the like) give GLUT nothing.
GlutKey sGlutKeyOf(const char* szKey, bool bModifierHeld) {
    const GlutKey sNothing = {KeyKind::None, 0, false};
    if (bModifierHeld) {
        return sNothing;
    }
    if (szKey[0] != '\0' && szKey[1] == '\0') {
        const unsigned char cKey = static_cast<unsigned char>(szKey[0]);
        if (cKey >= 32 && cKey < 127) {
            return GlutKey{KeyKind::Character, cKey, true};
        }
        return sNothing;
    }
    for (const NamedKey& sNamed : asNamedKey) {
        if (std::strcmp(szKey, sNamed.szName) == 0) {
            return GlutKey{sNamed.eKind, sNamed.iCode, sNamed.bPreventDefault};
        }
    }
    return sNothing;
}
