#pragma once

// 4 x 4 float matrices as 16 consecutive floats, element (r, c) at index
// 4r + c, translation at 12, 13, 14 (uploaded untransposed, GL reads them as
// column-major with the translation in the last column). All work in place.

void avMatrixIdentity(float* m);
// m = m . n
void avMatrixMultiply(float* m, const float* n);
// m = m . R, R the rotation by angle (radians) about the axis (x, y, z),
// which is used as given (not normalised).
void avMatrixRotate(float* m, float angle, float x, float y, float z);
// m = m . diag(x, y, z, 1)
void avMatrixScale(float* m, float x, float y, float z);
// Adds the offsets to the translation (not multiplied in).
void avMatrixTranslate(float* m, float x, float y, float z);
