// Start-up: from the exec of the program to the mapping of its first top-level window on
// the X display named by DISPLAY (an Xvfb server: scripts/demarrage starts one), for VIRK
// and, in the same run, for a minimal Qt program with a main window, a menu bar and a tool
// bar. The process is killed once its window is mapped. Wall time (manual), medians over
// repetitions: scripts/demarrage runs it.
#include <benchmark/benchmark.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <csignal>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The process id that the window's _NET_WM_PID holds, 0 when none.
long PidFenetre(Display* d, Window w)
{
    const Atom pid = XInternAtom(d, "_NET_WM_PID", True);
    if (pid == None)
        return 0;
    Atom type = None;
    int format = 0;
    unsigned long n = 0, reste = 0;
    unsigned char* valeur = nullptr;
    long resultat = 0;
    if (XGetWindowProperty(d, w, pid, 0, 1, False, XA_CARDINAL, &type, &format, &n, &reste, &valeur) == Success &&
        valeur && n == 1 && format == 32)
        resultat = long(*reinterpret_cast<unsigned long*>(valeur));
    if (valeur)
        XFree(valeur);
    return resultat;
}

// Seconds from the spawn of the program to the mapping of a window of its own (a negative
// value when it failed), and the CPU time the program took meanwhile.
double MesureDemarrage(Display* d, const char* programme, double& cpu)
{
    const Window racine = DefaultRootWindow(d);
    XSelectInput(d, racine, SubstructureNotifyMask);
    XSync(d, True);
    char* argv[] = {const_cast<char*>(programme), nullptr};
    pid_t enfant = 0;
    const auto debut = std::chrono::steady_clock::now();
    if (posix_spawn(&enfant, programme, nullptr, nullptr, argv, environ) != 0)
        return -1;
    double duree = -1;
    const int fd = ConnectionNumber(d);
    while (duree < 0) {
        if (!XPending(d)) {
            fd_set lecture;
            FD_ZERO(&lecture);
            FD_SET(fd, &lecture);
            timeval delai{10, 0};
            if (select(fd + 1, &lecture, nullptr, nullptr, &delai) <= 0)
                break;   // nothing mapped within 10 s
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == MapNotify && PidFenetre(d, e.xmap.window) == enfant)
            duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    }
    kill(enfant, SIGKILL);
    rusage usage{};
    wait4(enfant, nullptr, 0, &usage);
    cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + 1e-6 * double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    XSelectInput(d, racine, NoEventMask);
    return duree;
}

// The user's data folder of the runs: each run finds it as a run that ended normally leaves
// it (a killed run's working folder would otherwise be cleaned by the next one).
class DonneesUtilisateur {
public:
    DonneesUtilisateur()
    {
        char modele[] = "/tmp/virk-demarrage-XXXXXX";
        chemin_ = mkdtemp(modele) ? modele : "/tmp/virk-demarrage";
        setenv("XDG_DATA_HOME", chemin_.c_str(), 1);
    }
    ~DonneesUtilisateur() { std::system(("rm -rf '" + chemin_ + "'").c_str()); }
    void remetANeuf() const
    {
        std::system(("rm -rf '" + chemin_ + "/virk' && mkdir -p '" + chemin_ + "/virk/temp'").c_str());
    }

private:
    std::string chemin_;
};

// One iteration starts VIRK, the minimal program and, when VIRK_DEMARRAGE_AUTRE names one,
// another build of VIRK (an earlier commit's), one after the other so that they share the
// machine's load. The iteration's time is VIRK's; the counters give each one's time and CPU
// time, and VIRK's time over the minimal program's (medians with --benchmark_repetitions).
void BM_Demarrage(benchmark::State& state)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        state.SkipWithError("pas d'affichage X (DISPLAY)");
        return;
    }
    const DonneesUtilisateur donnees;
    const char* autre = std::getenv("VIRK_DEMARRAGE_AUTRE");
    struct Programme {
        const char* nom;
        const char* chemin;
        double temps = 0, cpu = 0;
    };
    std::vector<Programme> programmes = {{"virk", VIRK_PROGRAMME}, {"minimal", VIRK_PROGRAMME_MINIMAL}};
    if (autre && *autre)
        programmes.push_back({"autre", autre});
    for (auto _ : state) {
        for (Programme& p : programmes) {
            double cpu = 0, s = -1;
            for (int essai = 0; s < 0 && essai < 3; ++essai) {
                donnees.remetANeuf();
                s = MesureDemarrage(d, p.chemin, cpu);
            }
            if (s < 0) {
                state.SkipWithError((std::string(p.chemin) + " : aucune fenêtre montrée").c_str());
                break;
            }
            p.temps += s;
            p.cpu += cpu;
            if (&p == &programmes[0])
                state.SetIterationTime(s);
        }
    }
    XCloseDisplay(d);
    const double n = double(std::max<std::int64_t>(1, state.iterations()));
    for (const Programme& p : programmes) {
        state.counters[std::string(p.nom) + "_ms"] = 1e3 * p.temps / n;
        state.counters[std::string(p.nom) + "_cpu_ms"] = 1e3 * p.cpu / n;
    }
    if (programmes[1].temps > 0)
        state.counters["rapport"] = programmes[0].temps / programmes[1].temps;
}
BENCHMARK(BM_Demarrage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
