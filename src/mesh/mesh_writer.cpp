#include "mesh_writer.h"

const MeshWriter& sWriterFor(MeshFormat eFormat) {
    switch (eFormat) {
        case MeshFormat::Obj:
            return sObjWriter;
        case MeshFormat::Stl:
            return sStlWriter;
        default:
            return sPlyWriter;
    }
}
