// Vectors and 4x4 matrices for building the tube on the CPU.
//
// A matrix is 16 doubles stored by columns, as OpenGL stores them: row i,
// column j at index 4*j + i; rotation block at 0-2, 4-6, 8-10; translation at
// 12-14. Every routine writes its result through its last argument, which must
// not overlap an input.
#pragma once

struct vector3 {
  double x;
  double y;
  double z;
};

void cross_product(const vector3 *a, const vector3 *b, vector3 *c);
double dot_product(const vector3 *a, const vector3 *b);
void multiply_matrices(const double *a, const double *b, double *c);
int make_unit_vector(vector3 *a);

// Every point and normal of every ring goes through these two, so they are
// defined here, to be compiled in place where the rings are built.
inline void transform_point(const double *a, const vector3 *b, vector3 *c) {
  c->x = a[0] * b->x + a[4] * b->y + a[8] * b->z + a[12];
  c->y = a[1] * b->x + a[5] * b->y + a[9] * b->z + a[13];
  c->z = a[2] * b->x + a[6] * b->y + a[10] * b->z + a[14];
}

inline void rotate_point(const double *a, const vector3 *b, vector3 *c) {
  c->x = a[0] * b->x + a[4] * b->y + a[8] * b->z;
  c->y = a[1] * b->x + a[5] * b->y + a[9] * b->z;
  c->z = a[2] * b->x + a[6] * b->y + a[10] * b->z;
}
