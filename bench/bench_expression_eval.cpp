// Evaluations and compilations per second of typical formulas.
#include <benchmark/benchmark.h>

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

}  // namespace

BENCHMARK_MAIN();
