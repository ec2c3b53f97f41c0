#include "graph/base/equipe.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <system_error>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

#include "expression/etat.h"

struct TravailPartage::Tache {
    const std::function<void()>* travail = nullptr;
    std::array<double, NbVariablesEtat> etat{};
    int restants = 0;  // threads still to take it
    int actifs = 0;    // threads running it
};

namespace {

thread_local bool filDeLEquipe = false;

class Equipe {
public:
    Equipe() : processus_(getpid())
    {
        const int n = std::max(1, int(std::thread::hardware_concurrency()));
        fils_.reserve(std::size_t(n));
        for (int k = 0; k < n; ++k) {
            try {
                fils_.emplace_back([this] { boucle(); });
            } catch (const std::system_error&) {
                break;  // the system gives no more threads: the team is smaller
            }
        }
    }
    ~Equipe()
    {
        if (!valable()) {
            // A copy of the process (fork) that ends: the threads were not copied with it.
            new std::vector<std::thread>(std::move(fils_));
            return;
        }
        {
            std::lock_guard<std::mutex> g(verrou_);
            fin_ = true;
        }
        travailDispo_.notify_all();
        for (std::thread& f : fils_)
            f.join();
    }

    int taille() const { return int(fils_.size()); }
    // False in a copy of the process made by fork, which has none of the threads.
    bool valable() const { return getpid() == processus_; }

    void confie(TravailPartage::Tache& t, int n)
    {
        {
            std::lock_guard<std::mutex> g(verrou_);
            t.restants = n;
            file_.push_back(&t);
        }
        if (n >= taille())
            travailDispo_.notify_all();
        else
            for (int k = 0; k < n; ++k)
                travailDispo_.notify_one();
    }

    bool attend(TravailPartage::Tache& t, TravailPartage::Horloge::time_point limite)
    {
        std::unique_lock<std::mutex> g(verrou_);
        return tacheFinie_.wait_until(g, limite, [&] { return t.restants == 0 && t.actifs == 0; });
    }

    void retire(TravailPartage::Tache& t)
    {
        std::unique_lock<std::mutex> g(verrou_);
        retireDeLaFile(t);
        tacheFinie_.wait(g, [&] { return t.actifs == 0; });
    }

private:
    // Under the lock.
    void retireDeLaFile(TravailPartage::Tache& t)
    {
        if (t.restants > 0) {
            t.restants = 0;
            file_.erase(std::find(file_.begin(), file_.end(), &t));
        }
    }

    void boucle()
    {
        filDeLEquipe = true;
        std::unique_lock<std::mutex> g(verrou_);
        for (;;) {
            travailDispo_.wait(g, [this] { return fin_ || !file_.empty(); });
            if (file_.empty())
                return;
            TravailPartage::Tache& t = *file_.front();
            if (--t.restants == 0)
                file_.pop_front();
            ++t.actifs;
            g.unlock();
            // Every task starts afresh: nothing of an earlier one, of the scan's
            // evaluation state or of the toolkit's use of the vector registers.
            EtatCalcul& etat = etatCalcul();
            etat = EtatCalcul();
            etat.VariablesEtat = t.etat;
            LibereRegistresVectoriels();
            try {
                (*t.travail)();
            } catch (...) {
                // Out of memory: what this thread had left to do stays undone.
            }
            g.lock();
            // Nothing is left for the threads that have not taken it yet.
            retireDeLaFile(t);
            if (--t.actifs == 0)
                tacheFinie_.notify_all();
        }
    }

    const pid_t processus_;
    std::mutex verrou_;
    std::condition_variable travailDispo_, tacheFinie_;
    std::deque<TravailPartage::Tache*> file_;
    bool fin_ = false;
    std::vector<std::thread> fils_;
};

Equipe& equipe()
{
    static Equipe e;
    return e;
}

}  // namespace

int FilsDeLEquipe()
{
    return equipe().taille();
}

bool DansLEquipe()
{
    return filDeLEquipe;
}

TravailPartage::TravailPartage(int n, const std::function<void()>& travail)
{
    if (n <= 0)
        return;
    if (filDeLEquipe || !equipe().valable() || equipe().taille() == 0) {
        travail();
        return;
    }
    tache_ = std::make_unique<Tache>();
    tache_->travail = &travail;
    tache_->etat = etatCalcul().VariablesEtat;
    equipe().confie(*tache_, std::min(n, equipe().taille()));
}

TravailPartage::~TravailPartage()
{
    if (tache_)
        equipe().retire(*tache_);
}

bool TravailPartage::attendJusqua(Horloge::time_point limite)
{
    return !tache_ || equipe().attend(*tache_, limite);
}
