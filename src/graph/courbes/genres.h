// Every curve family, for the code that handles curves of any kind (factory, records,
// lists, windows).
#pragma once

#include "graph/courbes/GCA.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDG.h"
#include "graph/courbes/GCE.h"
#include "graph/courbes/GCI.h"
#include "graph/courbes/GCN.h"
#include "graph/courbes/GCRS.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/derivees/GCOperUnaire.h"
