#pragma once

namespace pathnab {

// Lets the command that started the program return while the program goes on in the
// background, serving what it put on the clipboard.
class CallerLink {
public:
    // Forks. The caller's side never returns from here: it exits with status 0 once the
    // program releases it, or with the program's own exit status. The program's side returns.
    static CallerLink Fork();

    // The caller's side exits now; the program leaves the terminal and its session.
    void Release();

private:
    explicit CallerLink(int releaseFd) : releaseFd_(releaseFd) {}
    int releaseFd_;
};

}  // namespace pathnab
