// A GL or GLU library that loads but holds only one function, as a broken install may.
extern "C" void glClear(unsigned int) {}
extern "C" void gluLookAt(double, double, double, double, double, double, double, double, double) {}
