// The page's keys in GLUT's terms: a keydown's key value (the DOM's
// KeyboardEvent.key) as the character or special key GLUT would report.
#pragma once

enum class KeyKind { None, Character, Special };

struct GlutKey {
    KeyKind eKind;
    int iCode;
    // Whether the browser's own action for the key (scrolling, mostly) is
    // to be suppressed.
    bool bPreventDefault;
};

// With Control, Alt or Meta held, a key is the browser's (its shortcuts) and
// GLUT gets nothing.
GlutKey sGlutKeyOf(const char* szKey, bool bModifierHeld);
