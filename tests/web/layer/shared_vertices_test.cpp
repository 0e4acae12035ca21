// A frame's vertices sent once each: drawing by the indices must give every
// vertex of the frame back byte for byte.
#include "shared_vertices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app.h"
#include "polygonize.h"
#include "settings_snapshot.h"
#include "web_layer_test.h"

namespace {

FrameVertex sVertex(float fX, float fNormalX, std::uint8_t iFacing = iFacingByRasterizer) {
    return {{fX, 0.5f, 0.25f}, {fNormalX, 0.0f, 1.0f}, {255, 128, 0}, iFacing};
}

bool bSameBytes(const FrameVertex& sA, const FrameVertex& sB) {
    unsigned char aiA[sizeof sA];
    unsigned char aiB[sizeof sB];
    std::memcpy(aiA, &sA, sizeof sA);
    std::memcpy(aiB, &sB, sizeof sB);
    return std::equal(std::begin(aiA), std::end(aiA), std::begin(aiB));
}

// Every vertex of the frame is its copy.
void vExpectEachVertexItsCopy(const std::vector<FrameVertex>& asFrame,
                              const SharedVertices& sShared) {
    ASSERT_EQ(sShared.aiIndex.size(), asFrame.size());
    for (std::size_t i = 0; i < asFrame.size(); i++) {
        ASSERT_LT(sShared.aiIndex[i], sShared.asVertex.size());
        EXPECT_TRUE(bSameBytes(sShared.asVertex[sShared.aiIndex[i]], asFrame[i])) << "vertex " << i;
    }
}

// No two copies are the same.
void vExpectCopiesDistinct(const SharedVertices& sShared) {
    for (std::size_t i = 1; i < sShared.asVertex.size(); i++) {
        for (std::size_t j = 0; j < i; j++) {
            EXPECT_FALSE(bSameBytes(sShared.asVertex[i], sShared.asVertex[j])) << i << ", " << j;
        }
    }
}

void vExpectFaithful(const std::vector<FrameVertex>& asFrame, const SharedVertices& sShared) {
    vExpectEachVertexItsCopy(asFrame, sShared);
    vExpectCopiesDistinct(sShared);
}

// Equal numbers in different bits (0 and -0, NaNs of other payloads) and
// another side are other vertices; the same bits are one, NaN included.
TEST(SharedVerticesTest, SharesOnlyVerticesEqualInEveryByte) {
    const float fNan = __builtin_nanf("");
    const float fOtherNan = __builtin_nanf("7");
    const std::vector<FrameVertex> asFrame = {sVertex(0.0f, 1.0f),
                                              sVertex(-0.0f, 1.0f),
                                              sVertex(0.0f, 1.0f),
                                              sVertex(fNan, 1.0f),
                                              sVertex(fNan, 1.0f),
                                              sVertex(fOtherNan, 1.0f),
                                              sVertex(0.0f, 1.0f, iFacingBack),
                                              sVertex(0.0f, -1.0f),
                                              sVertex(0.0f, 1.0f)};
    SharedVertices sShared;
    vShareVertices(asFrame, sShared);
    vExpectFaithful(asFrame, sShared);
    EXPECT_EQ(sShared.asVertex.size(), 6u);
    EXPECT_EQ(sShared.aiIndex[0], 0u) << "kept in the order they first come";
    EXPECT_EQ(sShared.aiIndex[1], 1u);
}

class SharedViewerFrame : public WebLayerTest {
protected:
    SettingsGuard sGuard;
};

// The surface's frames at several grids, each after a frame of another size
// (the table is reused): a vertex where triangles meet is sent once.
TEST_F(SharedViewerFrame, SendsTheViewersSurfaceAtAFractionOfItsVertices) {
    vSetFixedState();
    vResize(640, 480);
    SharedVertices sShared;
    for (std::int32_t iGrid : {64, 7, 32}) {
        vSetDataSetSize(iGrid);
        vStartFrame();
        vDrawScene();
        vShareVertices(sFrame.asVertex, sShared);
        vExpectFaithful(sFrame.asVertex, sShared);
        if (iGrid >= 32) {
            EXPECT_LT(3 * sShared.asVertex.size(), sFrame.asVertex.size()) << "grid " << iGrid;
        }
    }
}

}  // namespace
