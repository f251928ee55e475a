#ifndef COMPTEURTEXTURES_H
#define COMPTEURTEXTURES_H

#include <QtGlobal>

// Counts the texture uploads of the process. Qt resolves its OpenGL entry
// points at run time through glXGetProcAddress; the program that links this
// file exports its own glXGetProcAddress, which hands Qt counting wrappers
// around glTexImage2D and glTexSubImage2D.
class CompteurTextures
{
public:
    static int envois();
    static qint64 octets();
};

#endif
