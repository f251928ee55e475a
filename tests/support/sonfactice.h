#ifndef SONFACTICE_H
#define SONFACTICE_H

// What the wheels of a test program asked of their tick sound: the test
// programs link a stand-in for the Son class that only counts.
namespace SonFactice {

extern int lectures;
extern int arrets;

} // namespace SonFactice

#endif
