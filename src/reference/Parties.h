#pragma once

// Departments and suppliers share 部门信息. A row left without a name is useless to every
// document, so it is removed when the department or supplier window closes.
namespace Parties {
// Deletes the rows of both kinds whose 单位名称 is empty or blank. Returns how many.
int removeNameless();
} // namespace Parties
