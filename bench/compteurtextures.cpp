#include "compteurtextures.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <cstring>
#include <dlfcn.h>

namespace {

using ProcGlx = void (*(*)(const GLubyte *))();
using TexImage2D = void (*)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void *);
using TexSubImage2D = void (*)(GLenum, GLint, GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, const void *);

int nombreEnvois = 0;
qint64 nombreOctets = 0;
TexImage2D texImage2D = nullptr;
TexSubImage2D texSubImage2D = nullptr;

void compter(GLsizei largeur, GLsizei hauteur)
{
    ++nombreEnvois;
    nombreOctets += qint64(largeur) * hauteur * 4;
}

void APIENTRY texImage2DCompte(GLenum cible, GLint niveau, GLint interne, GLsizei largeur,
                               GLsizei hauteur, GLint bord, GLenum format, GLenum type,
                               const void *pixels)
{
    if (pixels)
        compter(largeur, hauteur);
    texImage2D(cible, niveau, interne, largeur, hauteur, bord, format, type, pixels);
}

void APIENTRY texSubImage2DCompte(GLenum cible, GLint niveau, GLint x, GLint y, GLsizei largeur,
                                  GLsizei hauteur, GLenum format, GLenum type, const void *pixels)
{
    compter(largeur, hauteur);
    texSubImage2D(cible, niveau, x, y, largeur, hauteur, format, type, pixels);
}

ProcGlx reel(const char *nom)
{
    return reinterpret_cast<ProcGlx>(dlsym(RTLD_NEXT, nom));
}

__GLXextFuncPtr resoudre(ProcGlx resoudreReel, const GLubyte *nom)
{
    const __GLXextFuncPtr f = resoudreReel(nom);
    const char *n = reinterpret_cast<const char *>(nom);
    if (f && std::strcmp(n, "glTexImage2D") == 0) {
        texImage2D = reinterpret_cast<TexImage2D>(f);
        return reinterpret_cast<__GLXextFuncPtr>(&texImage2DCompte);
    }
    if (f && std::strcmp(n, "glTexSubImage2D") == 0) {
        texSubImage2D = reinterpret_cast<TexSubImage2D>(f);
        return reinterpret_cast<__GLXextFuncPtr>(&texSubImage2DCompte);
    }
    return f;
}

} // namespace

extern "C" __GLXextFuncPtr glXGetProcAddressARB(const GLubyte *nom)
{
    static const ProcGlx suivant = reel("glXGetProcAddressARB");
    return resoudre(suivant, nom);
}

extern "C" __GLXextFuncPtr glXGetProcAddress(const GLubyte *procname)
{
    static const ProcGlx suivant = reel("glXGetProcAddress");
    return resoudre(suivant, procname);
}

int CompteurTextures::envois()
{
    return nombreEnvois;
}

qint64 CompteurTextures::octets()
{
    return nombreOctets;
}
