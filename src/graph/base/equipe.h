// The program's team of threads for the long scans (areas, Julia and Mandelbrot sets,
// transformed areas): started on first use with one thread per core, idle between scans,
// stopped and joined when the program ends. Starting threads anew for each scan costs more
// than a small scan itself.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

// How many threads the team holds (one per core, fewer only when the system refuses more):
// the most that one piece of work runs on besides the thread that hands it out.
int FilsDeLEquipe();

// True on a thread of the team.
bool DansLEquipe();

// One piece of work run by several threads of the team at once: each thread that takes it
// calls travail() once, starting from the state values of the thread that handed it out,
// with a fresh error flag and message and nothing else left from an earlier task, the upper
// halves of the vector registers cleared. travail() shares the work out itself (rows taken
// one after the other from a counter) and returns only when nothing is left for it to do:
// once one thread has returned, the threads that have not taken the work yet no longer do.
//
// Handed out on a thread of the team (a scan started from inside another one), or when the
// team has no thread, the work runs at once on the calling thread alone: the team never
// waits for itself.
class TravailPartage {
public:
    using Horloge = std::chrono::steady_clock;

    // Hands travail to n threads of the team (n at most FilsDeLEquipe(); none when n <= 0).
    // travail must live until the object is destroyed.
    TravailPartage(int n, const std::function<void()>& travail);
    // Withdraws the work from the threads that have not taken it, then waits for the others.
    ~TravailPartage();
    TravailPartage(const TravailPartage&) = delete;
    TravailPartage& operator=(const TravailPartage&) = delete;

    // Waits until every thread that took the work has returned and none is left to take it:
    // true then, false when the limit came first.
    bool attendJusqua(Horloge::time_point limite);

    struct Tache;

private:
    std::unique_ptr<Tache> tache_;
};
