// Our evaluator side by side with two general-purpose ones (muparser, FParser) and with the
// same formulas written in C++, on four typical formulas, x walking over 1024 values.
// The counter ns_par_point is the time of one evaluation.
//   build/bench/bench_expression_comparaison --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <fparser.hh>
#include <muParser.h>

#include <cmath>
#include <string>
#include <vector>

#include "expression/fonction.h"

namespace {

constexpr int NbPoints = 1024;
constexpr double A = 2;

struct Formule {
    const char* virk;
    const char* muparser;
    const char* fparser;
    double (*natif)(double x);
};

const Formule Formules[] = {
    {"sin(x)*x^2+3*x-1", "sin(x)*x^2+3*x-1", "sin(x)*x^2+3*x-1",
     [](double x) { return std::sin(x) * x * x + 3 * x - 1; }},
    {"sqrt(abs(x))*exp(-x^2/a)", "sqrt(abs(x))*exp(-x^2/a)", "sqrt(abs(x))*exp(-x^2/a)",
     [](double x) { return std::sqrt(std::fabs(x)) * std::exp(-(x * x) / A); }},
    {"ln(1+x^2)/(1+cos(x)^2)", "ln(1+x^2)/(1+cos(x)^2)", "log(1+x^2)/(1+cos(x)^2)",
     [](double x) {
         const double c = std::cos(x);
         return std::log(1 + x * x) / (1 + c * c);
     }},
    {"((((3*x+2)*x-5)*x+1)*x-7)", "((((3*x+2)*x-5)*x+1)*x-7)", "((((3*x+2)*x-5)*x+1)*x-7)",
     [](double x) { return (((3 * x + 2) * x - 5) * x + 1) * x - 7; }},
};

std::vector<double> abscisses()
{
    std::vector<double> x(NbPoints);
    for (int i = 0; i < NbPoints; ++i)
        x[i] = -5 + 10.0 * i / NbPoints;
    return x;
}

void fin(benchmark::State& etat, double somme, const Formule& f)
{
    benchmark::DoNotOptimize(somme);
    etat.SetLabel(f.virk);
    etat.counters["ns_par_point"] =
        benchmark::Counter(NbPoints * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Natif(benchmark::State& etat)
{
    const Formule& f = Formules[etat.range(0)];
    const auto xs = abscisses();
    double somme = 0;
    // Called through a pointer chosen at run time: the compiler cannot fold the formula.
    for (auto _ : etat)
        for (double x : xs)
            somme += f.natif(x);
    fin(etat, somme, f);
}
BENCHMARK(Natif)->DenseRange(0, 3);

void FParser(benchmark::State& etat)
{
    const Formule& f = Formules[etat.range(0)];
    // a is a variable, as it is a parameter that the user may change at any time.
    FunctionParser fp;
    if (fp.Parse(f.fparser, "x,a") >= 0) {
        etat.SkipWithError(fp.ErrorMsg());
        return;
    }
    fp.Optimize();
    const auto xs = abscisses();
    double variables[2] = {0, A};
    double somme = 0;
    for (auto _ : etat)
        for (double x : xs) {
            variables[0] = x;
            somme += fp.Eval(variables);
        }
    fin(etat, somme, f);
}
BENCHMARK(FParser)->DenseRange(0, 3);

void Muparser(benchmark::State& etat)
{
    const Formule& f = Formules[etat.range(0)];
    double x = 0, a = A;
    mu::Parser p;
    p.DefineVar("x", &x);
    p.DefineVar("a", &a);
    p.SetExpr(f.muparser);
    const auto xs = abscisses();
    double somme = 0;
    for (auto _ : etat)
        for (double v : xs) {
            x = v;
            somme += p.Eval();
        }
    fin(etat, somme, f);
}
BENCHMARK(Muparser)->DenseRange(0, 3);

Arbre compile(const Formule& f)
{
    contexteCalcul().ValeursParametres[0] = A;
    Arbre arbre;
    CompileExpr(f.virk, arbre);
    return arbre;
}

void Virk(benchmark::State& etat)
{
    const Formule& f = Formules[etat.range(0)];
    const Arbre arbre = compile(f);
    const auto xs = abscisses();
    double somme = 0;
    for (auto _ : etat)
        for (double x : xs)
            somme += EvalueArbre(arbre, x);
    fin(etat, somme, f);
}
BENCHMARK(Virk)->DenseRange(0, 3);

// The same points by blocks of TailleLot.
void VirkLot(benchmark::State& etat)
{
    const Formule& f = Formules[etat.range(0)];
    const Arbre arbre = compile(f);
    const auto xs = abscisses();
    std::vector<double> ys(NbPoints);
    std::vector<std::uint8_t> echecs(NbPoints);
    double somme = 0;
    for (auto _ : etat) {
        EvalueArbreLot(arbre, xs.data(), ys.data(), echecs.data(), NbPoints);
        somme += ys[NbPoints / 3];
    }
    fin(etat, somme, f);
}
BENCHMARK(VirkLot)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
