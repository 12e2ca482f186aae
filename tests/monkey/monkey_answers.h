// Stands in for the user wherever the program asks: message boxes, every
// modal dialog (its controls set at random, valid values or not, then a
// random button pressed), the colour chooser, and the file dialogs, which
// point at good, hostile and missing position files in a folder of the run.
#pragma once

#include <string>
#include <vector>

#include "monkey/chance.h"

class QDialog;
struct Game;

class MonkeyAnswers {
public:
    // Fills `folder` with the files the Open dialog may choose; `good` is a
    // position file the program reads.
    MonkeyAnswers(Chance& chance, History& history, const std::string& folder, const std::string& good);
    ~MonkeyAnswers();
    MonkeyAnswers(const MonkeyAnswers&) = delete;
    MonkeyAnswers& operator=(const MonkeyAnswers&) = delete;

    // A file that a Save made where none was must be one the program reads back.
    std::string BrokenSavedFile(const Game& game);

private:
    int AnswerBox(int buttons);
    int AnswerDialog(QDialog& dialog);
    void Fiddle(QDialog& dialog);
    std::string TypedText();
    std::string ChooseOpen();
    std::string ChooseSave(const std::string& extension);

    Chance& chance_;
    History& history_;
    std::string folder_;
    std::vector<std::string> openable_;
    std::vector<std::string> newSaves_;
    int saves_ = 0;
    int depth_ = 0;
};
