#include "companion_windows.h"

#include "companion_start.h"
#include "companion_views.h"
#include "config_form.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

std::vector<SweepWindow> CompanionWindows(int port, int maxRepetitions, int timeout) {
  std::vector<SweepWindow> rows;
  for (const KvCompanionView &view : CompanionViews()) {
    const KvCompanionPageDef &first = view.Pages.front();
    SweepWindow row;
    row.Name = std::string("/T") + view.Name;
    row.Kind = std::string("companion ") + (view.Pages.size() > 1 ? "view with pages"
                                            : first.Counters      ? "counter view"
                                            : first.ItemType == SVT_SV ? "editor"
                                                                       : "list");
    // A scalar group is one request: the agent stops at it. A table stops after its first row.
    row.StopAt = first.ItemType == SVT_SV ? 1 : 2;
    const std::vector<std::string> parameters = {"/I127.0.0.1", "/t" + std::to_string(port), "/v1",
                                                 "/Rrdwalk",    "/Wwrtgate",
                                                 row.Name};
    row.Open = [parameters, name = row.Name, maxRepetitions, timeout] {
      int status = -1;
      std::ostringstream errors;
      TConfigForm *form = StartCompanion(parameters, status, errors);
      if (!form) {
        ADD_FAILURE() << name << ": " << errors.str();
        return;
      }
      // The session was set up again from the command line: its requests wait as briefly,
      // and walk with as many rows per request, as those of the module's swept windows.
      for (const auto &binding : form->OwnedBindings()) {
        binding->Request.Settings.Timing.Timeout = static_cast<uint32_t>(timeout);
        binding->Request.Settings.Timing.MaxRepetitions = maxRepetitions;
      }
      form->ShowModal();
      delete form;
    };
    rows.push_back(std::move(row));
  }
  return rows;
}

