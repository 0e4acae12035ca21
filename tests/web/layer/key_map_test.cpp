// The page's key values in GLUT's terms.
#include "key_map.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace {

void vExpectKey(const char* szKey, KeyKind eKind, int iCode, bool bPreventDefault) {
    const GlutKey sGlutKey = sGlutKeyOf(szKey, false);
    EXPECT_EQ(sGlutKey.eKind, eKind) << szKey;
    EXPECT_EQ(sGlutKey.iCode, iCode) << szKey;
    EXPECT_EQ(sGlutKey.bPreventDefault, bPreventDefault) << szKey;
}

// Shifted keys arrive as what they type: "S" is not "s", "+" is itself.
TEST(WebKeyMap, CharactersArriveAsTyped) {
    vExpectKey("s", KeyKind::Character, 's', true);
    vExpectKey("S", KeyKind::Character, 'S', true);
    vExpectKey("+", KeyKind::Character, '+', true);
    vExpectKey(" ", KeyKind::Character, ' ', true);
    vExpectKey("Escape", KeyKind::Character, 27, true);
}

TEST(WebKeyMap, PageKeysAreGlutsSpecialKeysAndDoNotScrollThePage) {
    vExpectKey("PageUp", KeyKind::Special, GLUT_KEY_PAGE_UP, true);
    vExpectKey("PageDown", KeyKind::Special, GLUT_KEY_PAGE_DOWN, true);
    vExpectKey("Home", KeyKind::Special, GLUT_KEY_HOME, true);
    vExpectKey("End", KeyKind::Special, GLUT_KEY_END, true);
    vExpectKey("ArrowDown", KeyKind::Special, GLUT_KEY_DOWN, true);
    // The function keys keep the browser's own actions.
    vExpectKey("F5", KeyKind::Special, GLUT_KEY_F5, false);
}

TEST(WebKeyMap, KeysGlutHasNoCodeForGiveNothing) {
    for (const char* szKey : {"Shift", "Dead", "Unidentified", "\xc3\xa9", ""}) {
        vExpectKey(szKey, KeyKind::None, 0, false);
    }
}

TEST(WebKeyMap, KeysWithControlAltOrMetaStayTheBrowsers) {
    for (const char* szKey : {"s", "PageDown", "+"}) {
        EXPECT_EQ(sGlutKeyOf(szKey, true).eKind, KeyKind::None) << szKey;
        EXPECT_FALSE(sGlutKeyOf(szKey, true).bPreventDefault) << szKey;
    }
}

}  // namespace
