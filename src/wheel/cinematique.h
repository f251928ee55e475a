#ifndef CINEMATIQUE_H
#define CINEMATIQUE_H

// The arithmetic of a turning wheel, kept apart from the widget so that it
// can be checked without a window. Angles are degrees, speeds degrees per
// frame.

constexpr int periodeImage = 20;      // ms between two coast frames
constexpr float frottement = 0.99f;   // share of the speed kept per frame
constexpr float vitesseArret = 0.05f; // at or below this the wheel stops
constexpr float seuilTic = 30.0f;     // drag turn that earns a tick

// Euclidean distance between two integer points. Squares are formed in
// double so that points far outside any screen cannot overflow.
float distance(int x1, int y1, int x2, int y2);

// Unsigned angle, in degrees, swept at the centre (xc, yc) by a move from
// (x1, y1) to (x2, y2), by the law of cosines on the three distances.
// Zero when either point lies on the centre, where no angle exists.
float angleBalaye(int xc, int yc, int x1, int y1, int x2, int y2);

// Period in ms of the coast tick at a nonzero speed: one tick per 25
// degrees of turn, but never more than one per 150 ms.
int periodeTic(float vitesse);

// Turns the wheel angle by a step. The angle accumulates turn after turn,
// but past tourMax degrees whole turns are taken off: a float that large
// can no longer hold the slow steps at the end of a coast, and the wheel
// would stall or stutter on screen. The reduction is exact, so the picture
// does not move.
constexpr float tourMax = 32768.0f;
float avancerAngle(float angle, double pas);

// The frames of a coast due ecouleMs after its launch, of which faits have
// run: at least one, for the frame timer that fired, and as many more as
// bring faits to one per elapsed period. A late frame, held up by a slow
// compositor, carries the frames it missed, so that the coast keeps real
// time. Returns false once the wheel has stopped.
bool rattraper(float &angle, float &vitesse, int &faits, long long ecouleMs);

#endif
