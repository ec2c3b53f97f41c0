// The definition of a sequence curve (kind N) through the form of dynamic processes: one
// formula for the sequences Un=f(n), the recurrences Un+1=f(n,Un) and the cobweb
// Un+1=f(Un), two for the systems (Xn+1, Yn+1), whose display (points, Xn or Yn against n)
// is their sub-kind.
#pragma once

class GCN;
class QWidget;
class TsaisPrDyn;

// The form set up for the curve's sub-kind and filled from it.
void PrepareSuite(TsaisPrDyn& fiche, GCN& suite, bool nouvelle);
// What the confirmed form gives to the curve (a new curve gets a new identifier).
void LitSuite(TsaisPrDyn& fiche, GCN& suite, bool nouvelle);
// The dialog on the curve, run; true when confirmed.
bool ModifieSuite(GCN& suite, bool nouvelle, QWidget* parent = nullptr);
