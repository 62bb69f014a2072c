// PowerPoint's application object as the launcher uses it: attached or started by its program
// id, its version, its open presentations, the add-in's macros run through `Run`, and `Quit`.
// Failed calls raise ERuvoError with the text the automation layer reports.
#pragma once

#include <string>

#include "Automation.h"
#include "PresenterRunRules.h"

// The running PowerPoint from the running object table; null when none runs or none is installed.
TDispatch AttachPowerPoint();
// A new PowerPoint (in-process or local server); null when it cannot be created.
TDispatch CreatePowerPoint();

// `Version` as text, numbers written with "." whatever the user's locale.
std::string PowerPointVersion(IDispatch* app);

// Adds the full name of every open presentation.
void CollectOpenPresentations(IDispatch* app, TPresentationNames& list);
// Closes every open presentation whose full name is not in the list; every one without a list.
void CloseNewPresentations(IDispatch* app, const TPresentationNames* list);

// "RuvoPresenter!GetProcessId": PowerPoint's process id, as the add-in reports it.
int32_t RunGetProcessId(IDispatch* app);
// "RuvoPresenter.ppa!LaunchRuvoPresenter" with the file name and the flag by reference; the flag
// comes back as the macro left it.
void RunLaunchPresenter(IDispatch* app, const std::string& fileName, VARIANT_BOOL& startedByLauncher);
// "RuvoPresenter.ppa!LaunchRuvoDesignerModule" with the module file name by reference.
void RunLaunchDesignerModule(IDispatch* app, const std::string& moduleFileName);

// `Quit`, with any failure swallowed: it is only ever the last thing asked of PowerPoint.
void QuitPowerPoint(IDispatch* app) noexcept;

// Compares file names as the user's locale does, without regard to case.
int CompareTextLocale(const std::string& a, const std::string& b);
