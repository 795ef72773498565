// A headless program whose folder is a fresh temporary folder, with helpers for the problem
// collection window.
#pragma once

#include "CollectionTestSupport.h"
#include "ProgramFixture.h"
#include "collection/frmMondai.h"

struct MondaiFixture : ProgramFixture {
    collection_test::TempFolder folder;
    std::string defaultPath() const { return folder.file("問題01.txt"); }

    MondaiFixture() { services.setProgramFolder(folder.path.string()); }
    collection::frmMondai& mondai() { return program.frmMondai(); }
    // The default collection holds these bytes before start-up.
    void startWith(const std::string& bytes) {
        collection_test::WriteFile(defaultPath(), bytes);
        start();
    }
    void spinUp(ui::UpDown& spinner) { ui::SpinUp(program.forms(), spinner); }
    void spinDown(ui::UpDown& spinner) { ui::SpinDown(program.forms(), spinner); }
    std::string text1() { return mondai().Text1.text(); }
    std::string text3() { return mondai().Text3.text(); }
    void load(int n) {
        mondai().Text1.setText(std::to_string(n));
        click(mondai().Command1);
    }
    void save(int s) {
        mondai().Text3.setText(std::to_string(s));
        click(mondai().Command2);
    }
    std::string lastMessage() {
        auto m = services.messages();
        return m.empty() ? "" : m.back();
    }
};
