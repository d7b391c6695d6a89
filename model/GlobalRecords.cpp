#include "model/GlobalRecords.h"

MouseConfig& GlobalRecords::live()
{
    static MouseConfig config;
    return config;
}

MouseConfig& GlobalRecords::snapshot()
{
    static MouseConfig config;
    return config;
}

MouseConfig& GlobalRecords::deviceCopy()
{
    static MouseConfig config;
    return config;
}

quint8* GlobalRecords::buttonMatrix()
{
    static quint8 matrix[kMatrixSize] = {};
    return matrix;
}
