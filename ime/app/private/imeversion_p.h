#ifndef YAVO_IMEVERSION_P_H
#define YAVO_IMEVERSION_P_H

// The input method's version, as its About box and application show it.
#define YAVO_IME_VERSION "3.x.10"

// The maker's web domain: the organisation domain of the application and
// the stem of its fixed single-instance identity.
#define YAVO_IME_MAKER_DOMAIN "yavosoftware.example"

#endif
