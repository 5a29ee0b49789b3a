#pragma once

// Plane geometry of the layer pass: the outline of a layer with rounded
// corners and the projective map that moves its four corners.

// Writes the outline of the rectangle whose top-left corner is (x, y), with
// y growing upwards, as 2 n floats running counter-clockwise. With n = 4 the
// four corners from the bottom left; otherwise n / 4 points per corner arc
// (top right, top left, bottom left, bottom right), the radius limited to
// half the smaller side. Returns the number of points written: 0 when n is
// below 4, else 4 (n / 4).
int avRoundedRectPolygon(float* points, int n, float x, float y, float width, float height, float radius);

// The projective map h (3 x 3, row-major, h[8] = 1) taking each of the four
// source points (x, y pairs) onto its target: (x, y) goes to
// ((h0 x + h1 y + h2) / q, (h3 x + h4 y + h5) / q), q = h6 x + h7 y + 1.
// Solved in double precision with partial pivoting; a degenerate column
// (pivot below 1e-10) gives its coefficient 0.
void avPerspectiveFromCorners(const float* source, const float* target, float* h);
