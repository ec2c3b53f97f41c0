// Evaluations and compilations per second of typical formulas.
#include <benchmark/benchmark.h>

#include "expression/GCComplexe.h"
#include "expression/fonction.h"

namespace {

const char* const Formules[] = {"sin(x)*x^2+3*x-1", "sqrt(abs(x))*exp(-x^2/a)", "x", "ln(1+x^2)/(1+cos(x)^2)"};

void Evaluation(benchmark::State& etat)
{
    contexteCalcul().ValeursParametres[0] = 2;
    Arbre arbre;
    CompileExpr(Formules[etat.range(0)], arbre);
    double x = -5;
    double somme = 0;
    for (auto _ : etat) {
        somme += EvalueArbre(arbre, x);
        x += 1e-4;
        if (x > 5)
            x = -5;
    }
    benchmark::DoNotOptimize(somme);
    etat.SetLabel(Formules[etat.range(0)]);
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(Evaluation)->DenseRange(0, 3);

void Compilation(benchmark::State& etat)
{
    for (auto _ : etat) {
        Arbre arbre;
        benchmark::DoNotOptimize(CompileExpr(Formules[etat.range(0)], arbre));
    }
    etat.SetLabel(Formules[etat.range(0)]);
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(Compilation)->DenseRange(0, 3);

// Inputs that once took long: nested calls, draws of random laws with huge parameters, a
// complex power of a huge integer exponent. Each iteration compiles and evaluates once.
const char* const CasExtremes[] = {"MIN(MIN(MIN(MIN(MIN(MIN(MIN(X,0),1),2),3),4),5),6)", "POISSON(1E300)",
                                   "POISSON(1E19)", "BINOM(1E18,0.5)", "BINOM(3E18,1E-17)", "BINOM(3E18,0.99)",
                                   "BINOM(1E10,0.5)"};

void CasExtreme(benchmark::State& etat)
{
    const char* texte = CasExtremes[etat.range(0)];
    double somme = 0;
    for (auto _ : etat) {
        Arbre arbre;
        CompileExpr(texte, arbre);
        somme += EvalueArbre(arbre, 9);
    }
    benchmark::DoNotOptimize(somme);
    etat.SetLabel(texte);
}
BENCHMARK(CasExtreme)->DenseRange(0, int(std::size(CasExtremes)) - 1)->Unit(benchmark::kMicrosecond);

void PuissanceComplexeEnorme(benchmark::State& etat)
{
    Arbre arbre;
    CompileExpr("Z^1E9", arbre);
    double somme = 0;
    for (auto _ : etat) {
        Complexe r;
        EvalueArbreComplexe(arbre, ComplexeCartesien(1, 1e-10), r);
        somme += r.Re;
    }
    benchmark::DoNotOptimize(somme);
}
BENCHMARK(PuissanceComplexeEnorme)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
