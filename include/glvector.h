// GLvector: the one record type of the program. It carries positions,
// normals and colours alike; as a colour, fX is red, fY green and fZ blue.
#pragma once

struct GLvector {
    float fX;
    float fY;
    float fZ;
};

// The shape of a sample function: unit-cube coordinates in, field value out.
typedef float SampleFunction(float fX, float fY, float fZ);

// The shape of a cell polygonizer: the cell's lowest corner and its edge
// length in; the cell's triangles go straight to OpenGL.
typedef void Polygonizer(float fX, float fY, float fZ, float fScale);
