// The program's own code allocates nothing on the heap: many frames, idle
// calls and key events, counted by replaced allocation functions, make no
// allocation.
//
// Its own process: the global operator new and malloc are replaced here, and
// must not count for any other test. Under AddressSanitizer, which owns
// malloc, the sanitizer's allocation hook counts instead of a replaced malloc.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <cstddef>
#include <cstdlib>
#include <new>

#include "app.h"
#include "field.h"
#include "gl_record.h"
#include "polygonize.h"

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_UNDER_ASAN 1
#endif
#endif

namespace {
bool bCounting = false;
std::size_t iMallocCount = 0;
std::size_t iNewCount = 0;

void vNoteMalloc() {
    if (bCounting) {
        iMallocCount++;
    }
}

void* pNew(std::size_t iSize) {
    if (bCounting) {
        iNewCount++;
    }
    void* pBlock = std::malloc(iSize == 0 ? 1 : iSize);
    if (pBlock == nullptr) {
        throw std::bad_alloc();
    }
    return pBlock;
}
}  // namespace

void* operator new(std::size_t iSize) {
    return pNew(iSize);
}
void* operator new[](std::size_t iSize) {
    return pNew(iSize);
}
void operator delete(void* pBlock) noexcept {
    std::free(pBlock);
}
void operator delete[](void* pBlock) noexcept {
    std::free(pBlock);
}
void operator delete(void* pBlock, std::size_t) noexcept {
    std::free(pBlock);
}
void operator delete[](void* pBlock, std::size_t) noexcept {
    std::free(pBlock);
}

#ifdef ORVANE_UNDER_ASAN
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*pfMallocHook)(const volatile void*,
                                                                              std::size_t),
                                                         void (*pfFreeHook)(const volatile void*));

namespace {
void vMallocHook(const volatile void*, std::size_t) {
    vNoteMalloc();
}
void vFreeHook(const volatile void*) {}
const int iHooksInstalled = __sanitizer_install_malloc_and_free_hooks(vMallocHook, vFreeHook);
}  // namespace
#else
// glibc's own allocator stays underneath, under its internal names, so blocks
// from the aligned and other entry points not replaced here free as usual.
extern "C" {
void* __libc_malloc(std::size_t iSize);
void* __libc_calloc(std::size_t iCount, std::size_t iSize);
void* __libc_realloc(void* pBlock, std::size_t iSize);
void __libc_free(void* pBlock);

void* malloc(std::size_t iSize) {
    vNoteMalloc();
    return __libc_malloc(iSize);
}
void* calloc(std::size_t iCount, std::size_t iSize) {
    vNoteMalloc();
    return __libc_calloc(iCount, iSize);
}
void* realloc(void* pBlock, std::size_t iSize) {
    vNoteMalloc();
    return __libc_realloc(pBlock, iSize);
}
void free(void* pBlock) {
    __libc_free(pBlock);
}
}
#endif

namespace {

void vStartCounting() {
    iMallocCount = 0;
    iNewCount = 0;
    bCounting = true;
}

void vStopCounting() {
    bCounting = false;
}

// Frames, each after an idle call as GLUT makes them, in both polygon modes, with lighting on and
// off, over every field, with both polygonizers, and over grids from one cell to twenty per axis,
// with every key of both callbacks and reshapes of every kind in between.
void vRunManyFramesAndKeys() {
    for (int iRound = 0; iRound < 6; iRound++) {
        vMarchCube = iRound % 2 == 0 ? vMarchCube1 : vMarchCube2;
        for (int iKey = 0; iKey < 256; iKey++) {
            vKeyboard(static_cast<unsigned char>(iKey), iKey, -iKey);
        }
        for (int iKey = -2; iKey < 300; iKey++) {
            vSpecial(iKey, iKey, iKey);
        }
        vResize(640, 480);
        vResize(480, 640);
        vResize(0, 0);
        vResize(-1, 7);
        for (int iFrame = 0; iFrame < 20; iFrame++) {
            vKeyboard(iFrame < 10 ? '-' : '+', 0, 0);
            vSpecial(iFrame % 2 == 0 ? GLUT_KEY_PAGE_UP : GLUT_KEY_PAGE_DOWN, 0, 0);
            vIdle();
            vDrawScene();
        }
    }
}

TEST(HeapAllocation, CounterSeesADeliberateAllocation) {
    vStartCounting();
    void* volatile pBlock = std::malloc(24);
    std::free(pBlock);
    int* volatile pValue = new int(7);
    delete pValue;
    vStopCounting();

    EXPECT_GE(iMallocCount, 2u);  // new takes its block from malloc
    EXPECT_EQ(iNewCount, 1u);
}

TEST(HeapAllocation, FramesIdleCallsAndKeysAllocateNothing) {
    sRecorder.eMode = RecorderMode::Count;
    vResetRecorder();

    vStartCounting();
    vRunManyFramesAndKeys();
    vStopCounting();

    EXPECT_GT(sRecorder.iVertexCount, 0u);
    EXPECT_EQ(iMallocCount, 0u);
    EXPECT_EQ(iNewCount, 0u);
}

}  // namespace
