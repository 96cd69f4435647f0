// The Windows truth type the business code uses in its signatures.
#pragma once

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
