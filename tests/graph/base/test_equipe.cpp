// The program's team of threads: what each task starts from, scans inside scans, and the end
// of a program that used it.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <fcntl.h>
#include <mutex>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "etat_essai.h"
#include "expression/etat.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/aires/balayage.h"
#include "graph/base/equipe.h"
#include "graph/base/etatgraphe.h"
#include "graph/repere/GCRepere.h"

namespace {

class Equipe : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseGraphe> etat_;
};

// Runs travail on every thread of the team at once: each call waits until all have begun
// (so that every thread takes it), at most a minute.
void SurChaqueFil(const std::function<void()>& travail)
{
    const int n = FilsDeLEquipe();
    std::mutex verrou;
    std::condition_variable tous;
    int entres = 0;
    const std::function<void()> rendezVous = [&] {
        {
            std::unique_lock<std::mutex> g(verrou);
            if (++entres == n)
                tous.notify_all();
            tous.wait_for(g, std::chrono::minutes(1), [&] { return entres == n; });
        }
        travail();
    };
    TravailPartage partage(n, rendezVous);
    EXPECT_TRUE(partage.attendJusqua(std::chrono::steady_clock::now() + std::chrono::minutes(2)));
    EXPECT_EQ(entres, n);
}

TEST_F(Equipe, ChaqueTacheCommenceAvecUnEtatPropre)
{
    ASSERT_GE(FilsDeLEquipe(), 1);
    // A task that leaves everything of the evaluation state dirty on every thread.
    const double parametres[NbParametres] = {};
    SurChaqueFil([&] {
        EtatCalcul& e = etatCalcul();
        e.ErreurCalcul = 1;
        e.MessageErreur = "reste d'une tâche";
        e.VariablesEtat.fill(-1);
        e.profondeurAppels = 7;
        e.ParametresLocaux = parametres;
    });
    // The next one finds none of it, and the state values of the thread that handed it out.
    for (int i = 0; i < NbVariablesEtat; ++i)
        VariablesEtat()[i] = 10 + i;
    std::mutex verrou;
    std::vector<EtatCalcul> vus;
    SurChaqueFil([&] {
        std::lock_guard<std::mutex> g(verrou);
        vus.push_back(etatCalcul());
    });
    ASSERT_EQ(int(vus.size()), FilsDeLEquipe());
    for (const EtatCalcul& e : vus) {
        EXPECT_EQ(e.ErreurCalcul, 0);
        EXPECT_EQ(e.MessageErreur, EtatCalcul().MessageErreur);
        EXPECT_EQ(e.VariablesEtat, etatCalcul().VariablesEtat);
        EXPECT_EQ(e.profondeurAppels, 0);
        EXPECT_EQ(e.ParametresLocaux, nullptr);
    }
}

// Stops the computation at its first question.
struct SuiviQuiArrete : SuiviCalcul {
    bool continuer(int, int) override
    {
        ++questions;
        return false;
    }
    std::atomic<int> questions{0};
};

TEST_F(Equipe, UnBalayageDansUnBalayageFinitEtSArreteAvecLui)
{
    // Every row of a scan on every thread runs a whole scan of its own on every thread.
    const int n = 4 * FilsDeLEquipe();
    std::vector<std::atomic<int>> faites(std::size_t(n * n));
    EXPECT_TRUE(BalaieLignes(n, FilsDeLEquipe(), [&](int r) {
        EXPECT_TRUE(BalaieLignes(n, FilsDeLEquipe(), [&](int s) { ++faites[std::size_t(r * n + s)]; }));
    }));
    for (const auto& f : faites)
        ASSERT_EQ(f.load(), 1);

    // Stopped: the rows of the inner scans see it and the inner scans stop too.
    SuiviQuiArrete suivi;
    GardeValeur<SuiviCalcul*> garde(etatGraphe().suivi, &suivi);
    std::atomic<int> arretees{0}, interieursArretes{0};
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    EXPECT_FALSE(BalaieLignes(n, FilsDeLEquipe(), [&](int) {
        const bool fini = BalaieLignes(n, FilsDeLEquipe(), [&](int) {
            while (!ArretBalayage() && std::chrono::steady_clock::now() < limite) {
            }
            arretees += ArretBalayage();
        });
        interieursArretes += !fini;
    }));
    EXPECT_EQ(suivi.questions.load(), 1);
    // Every outer row begun (one per thread at most) ran an inner scan that was stopped.
    EXPECT_GE(arretees.load(), 1);
    EXPECT_GE(interieursArretes.load(), 1);
    EXPECT_LE(interieursArretes.load(), FilsDeLEquipe());
    EXPECT_EQ(arretees.load(), interieursArretes.load());
}

TEST_F(Equipe, LeProgrammeQuiSEnEstServiSeTermine)
{
    if (qEnvironmentVariableIsSet("VIRK_ESSAI_FIN_EQUIPE")) {
        // In the program started below: a Mandelbrot set on every thread, then the end.
        GCRepere repere(true, 300, 200);
        repere.FixeBornes("-2.5", "1", 0, "-2.5", "0", "1", "-1.2", "1.2", 0, "-1.2", "0", "1");
        GCProcDyn m(1, QLatin1Char('M'), 1);
        m.FixeContraintes({QStringLiteral("x^2-y^2+a"), QStringLiteral("2*x*y+b")});
        m.FixeSeuil(QStringLiteral("4"));
        m.Calcule(repere);
        ASSERT_FALSE(m.Bitmap().isNull());
        return;
    }
    // This test program again, running only the lines above: it must end by itself, without
    // a fault (the sanitizers' builds check its threads and memory at the end too). Started
    // by fork and exec: a process copied by the lighter means that share the parent's memory
    // would leave the thread checker's marks in this one.
    const std::string programme = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string filtre = "--gtest_filter=Equipe.LeProgrammeQuiSEnEstServiSeTermine";
    std::vector<std::string> env = {"VIRK_ESSAI_FIN_EQUIPE=1"};
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    std::vector<char*> argv = {const_cast<char*>(programme.c_str()), filtre.data(), nullptr}, envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        const int sortie = open("/dev/null", O_WRONLY);
        dup2(sortie, STDOUT_FILENO);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    int statut = 0;
    pid_t fini = 0;
    for (int k = 0; k < 5 * 60 * 100 && (fini = waitpid(enfant, &statut, WNOHANG)) == 0; ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (fini == 0) {
        kill(enfant, SIGKILL);
        waitpid(enfant, &statut, 0);
    }
    ASSERT_EQ(fini, enfant) << "le programme ne se termine pas";
    ASSERT_TRUE(WIFEXITED(statut));
    EXPECT_EQ(WEXITSTATUS(statut), 0);
}

}  // namespace
